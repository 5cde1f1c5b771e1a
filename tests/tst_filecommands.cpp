// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/CollectionFile.h"
#include "collection/ReportFile.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "support/FakeServices.h"
#include "support/Files.h"
#include "support/ModalAnswer.h"
#include "toolkit/Environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sys/stat.h>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray allOf(char byte)
{
    return QByteArray(128, byte);
}

} // namespace

// The file and quit commands through the real main window and the real save prompt.
class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesTheBoxesAndNamesTheFile();
    void failedSaveKeepsTheCollectionProtected();
    void openWithoutChangesAsksNothing();
    void openAfterChanges_data();
    void openAfterChanges();
    void failedOpenKeepsCaptionAndProtection_data();
    void failedOpenKeepsCaptionAndProtection();
    void loadingTheSameContentRunsNoHandler();
    void quitButton_data();
    void quitButton();
    void closeBoxCancelledKeepsTheWindowOpen();
    void quitMenuEndsAtOnce();
    void commandLine_data();
    void commandLine();
    void defaultExtension_data();
    void defaultExtension();
    void replacingAFile_data();
    void replacingAFile();
    void realDialogTitles_data();
    void realDialogTitles();

private:
    void tick(std::initializer_list<int> slotNumbers);
    // A fresh main window, shown: its first activation takes the command line.
    void makeForm(const QStringList& arguments = {});
    QString path(const QString& name) const { return m_dir->filePath(name); }

    FakeServices m_services;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    TForm2* m_prompt = nullptr;
};

void TestFileCommands::init()
{
    m_services = FakeServices();
    m_dir = std::make_unique<QTemporaryDir>();
    makeForm();
}

void TestFileCommands::makeForm(const QStringList& arguments)
{
    m_form.reset();
    m_services.commandLine = arguments;
    m_services.argumentReads = 0;
    m_form = std::make_unique<TForm1>(m_services);
    m_prompt = new TForm2(m_form.get());
    FormLinks links;
    links.savePrompt = m_prompt;
    m_form->setLinks(links);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestFileCommands::cleanup()
{
    m_form.reset();
    m_dir.reset();
}

void TestFileCommands::tick(std::initializer_list<int> slotNumbers)
{
    for (int slot : slotNumbers)
        QTest::mouseClick(m_form->checkBox(slot), Qt::LeftButton, {}, m_form->checkBox(slot)->rect().center());
}

void TestFileCommands::saveWritesTheBoxesAndNamesTheFile()
{
    tick({ 1, 34, 128 });
    m_services.fileAnswers = { path(u"mine.eur"_s) };
    m_form->Savegarder1Click();

    QByteArray expected = allOf('0');
    expected[0] = '1';
    expected[33] = '1';
    expected[127] = '1';
    QCOMPARE(readFileBytes(path(u"mine.eur"_s)), expected);
    QCOMPARE(m_form->windowTitle(), u"Numislot par QVT : "_s + path(u"mine.eur"_s));
    QVERIFY(!m_form->state().isModified());
    QCOMPARE(m_services.fileRequests.constFirst().mode, toolkit::FileDialogMode::Save);
    QCOMPARE(m_services.fileRequests.constFirst().filter, u"Fichier eur (*.eur)"_s);

    // The dialog offers the name confirmed last.
    m_form->Savegarder1Click();
    QCOMPARE(m_services.fileRequests.constLast().fileName, path(u"mine.eur"_s));
}

void TestFileCommands::failedSaveKeepsTheCollectionProtected()
{
    tick({ 5 });
    m_services.fileAnswers = { path(u"missing/dir/mine.eur"_s) };
    m_form->Savegarder1Click();
    QCOMPARE(m_services.messages, QStringList { u"Impossible d'ouvrir le fichier"_s });
    QCOMPARE(m_form->windowTitle(), u"Numislot par QVT"_s);
    QVERIFY(m_form->state().isModified());

    // Saving onto a directory fails the same way and leaves it alone.
    m_services.fileAnswers = { m_dir->path() };
    m_form->Savegarder1Click();
    QCOMPARE(m_services.messages.size(), 2);
    QVERIFY(m_form->state().isModified());
}

void TestFileCommands::openWithoutChangesAsksNothing()
{
    // No answer queued: the open dialog is cancelled, and a prompt would block the test.
    m_form->Button2Click();
    m_form->Charger1Click();
    QCOMPARE(m_services.fileRequests.size(), 2);
    QCOMPARE(m_services.fileRequests.constFirst().mode, toolkit::FileDialogMode::Open);
    QCOMPARE(m_services.fileRequests.constFirst().filter, u"Fichier Numislot QVT (*.eur)"_s);
    QCOMPARE(m_form->state().ownedCount(), 0);
    QVERIFY(!m_form->state().isModified());
}

void TestFileCommands::openAfterChanges_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<bool>("saveWritten");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("Oui, save and open") << u"Button1"_s << QStringList { u"save"_s, u"open"_s } << true << true;
    QTest::newRow("Oui, save cancelled stops") << u"Button1"_s << QStringList { u"cancel"_s } << false << false;
    QTest::newRow("Non, open") << u"Button2"_s << QStringList { u"open"_s } << false << true;
    QTest::newRow("Non, open cancelled") << u"Button2"_s << QStringList { u"cancel"_s } << false << false;
    QTest::newRow("Annuler") << u"Button3"_s << QStringList {} << false << false;
}

void TestFileCommands::openAfterChanges()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, dialogs);
    QFETCH(bool, saveWritten);
    QFETCH(bool, loaded);
    writeFile(path(u"full.eur"_s), allOf('1'));
    tick({ 9 });
    for (const QString& dialog : dialogs) {
        if (dialog == u"save")
            m_services.fileAnswers.push_back(path(u"saved.eur"_s));
        else if (dialog == u"open")
            m_services.fileAnswers.push_back(path(u"full.eur"_s));
        else
            m_services.fileAnswers.push_back(std::nullopt);
    }
    clickInNextModal(answer, [](QWidget* modal) { QCOMPARE(modal->windowTitle(), u"Sauvegarder ?"_s); });
    m_form->Charger1Click();

    QCOMPARE(m_services.fileRequests.size(), dialogs.size());
    QCOMPARE(QFile::exists(path(u"saved.eur"_s)), saveWritten);
    if (saveWritten)
        QCOMPARE(readFileBytes(path(u"saved.eur"_s)).at(8), '1');
    QCOMPARE(m_form->state().ownedCount(), loaded ? 128 : 1);
    QCOMPARE(m_form->state().isModified(), !loaded);
    QCOMPARE(m_services.beeps, 0);
}

void TestFileCommands::failedOpenKeepsCaptionAndProtection_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing file") << u"nothing.eur"_s;
    QTest::newRow("directory") << u"dir.eur"_s;
    QTest::newRow("named pipe") << u"pipe.eur"_s;
}

void TestFileCommands::failedOpenKeepsCaptionAndProtection()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_dir->path()).mkdir(u"dir.eur"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(path(u"pipe.eur"_s)).constData(), 0600), 0);
    tick({ 3, 4 });
    m_services.fileAnswers = { path(target) };
    clickInNextModal(u"Button2"_s);
    m_form->Button2Click();

    QCOMPARE(m_services.messages, QStringList { u"Impossible d'ouvrir le fichier"_s });
    QCOMPARE(m_form->windowTitle(), u"Numislot par QVT"_s);
    QVERIFY(m_form->checkBox(3)->isChecked() && m_form->checkBox(4)->isChecked());
    QCOMPARE(m_form->state().ownedCount(), 2);
    // Still modified, so quitting asks again.
    QVERIFY(m_form->state().isModified());
}

void TestFileCommands::loadingTheSameContentRunsNoHandler()
{
    QByteArray bytes = allOf('0');
    bytes[40] = '1';
    writeFile(path(u"one.eur"_s), bytes);
    m_services.fileAnswers = { path(u"one.eur"_s) };
    m_form->Charger1Click();
    QCOMPARE(m_form->state().ownedCount(), 1);

    QList<QSignalSpy*> spies;
    for (int slot = 1; slot <= 128; ++slot)
        spies.append(new QSignalSpy(m_form->checkBox(slot), &QCheckBox::toggled));
    m_services.fileAnswers = { path(u"one.eur"_s) };
    m_form->Charger1Click();
    int toggles = 0;
    for (QSignalSpy* spy : spies)
        toggles += int(spy->count());
    qDeleteAll(spies);
    QCOMPARE(toggles, 0);
    QVERIFY(!m_form->state().isModified());
}

void TestFileCommands::quitButton_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saveTo");
    QTest::addColumn<bool>("ends");
    QTest::newRow("unmodified ends at once") << false << QString() << QString() << true;
    QTest::newRow("Oui and saved") << true << u"Button1"_s << u"out.eur"_s << true;
    QTest::newRow("Oui, save dialog cancelled, goes on") << true << u"Button1"_s << QString() << false;
    QTest::newRow("Oui, save fails, goes on") << true << u"Button1"_s << u"no/such/dir.eur"_s << false;
    QTest::newRow("Non discards") << true << u"Button2"_s << QString() << true;
    QTest::newRow("Annuler goes on") << true << u"Button3"_s << QString() << false;
}

void TestFileCommands::quitButton()
{
    QFETCH(bool, modify);
    QFETCH(QString, answer);
    QFETCH(QString, saveTo);
    QFETCH(bool, ends);
    if (modify)
        tick({ 100, 101 });
    if (!saveTo.isEmpty())
        m_services.fileAnswers = { path(saveTo) };
    if (!answer.isEmpty())
        clickInNextModal(answer);
    QTest::mouseClick(m_form->findChild<QPushButton*>(u"Button1"_s), Qt::LeftButton);

    QCOMPARE(m_services.beeps, modify ? 1 : 0);
    QCOMPARE(m_services.exitStatuses, ends ? QList<int> { 0 } : QList<int> {});
    QCOMPARE(m_services.deletedFiles, ends ? QStringList { collection::reportFilePath() } : QStringList {});
    if (ends && !saveTo.isEmpty())
        QCOMPARE(readFileBytes(path(saveTo)).mid(99, 2), QByteArray("11"));
    if (!ends)
        QVERIFY(m_form->state().isModified());
}

void TestFileCommands::closeBoxCancelledKeepsTheWindowOpen()
{
    tick({ 7 });
    clickInNextModal(u"Button3"_s);
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_services.beeps, 1);
    QVERIFY(m_services.exitStatuses.isEmpty());
    QVERIFY(m_form->checkBox(7)->isChecked());

    // Unmodified, the close box ends the program with status 0.
    tick({ 7 });
    m_services.fileAnswers = { path(u"closing.eur"_s) };
    m_form->Savegarder1Click();
    m_form->close();
    QCOMPARE(m_services.exitStatuses, QList<int> { 0 });
}

void TestFileCommands::quitMenuEndsAtOnce()
{
    tick({ 12 });
    m_form->Quitter1Click();
    QCOMPARE(m_services.exitStatuses, QList<int> { 0 });
    QCOMPARE(m_services.beeps, 0);
    QVERIFY(m_services.deletedFiles.isEmpty());
}

void TestFileCommands::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("owned");
    QTest::addColumn<bool>("failed");
    QTest::newRow("no argument") << QStringList {} << 0 << false;
    QTest::newRow("write-protected file opens") << QStringList { u"protected.eur"_s } << 128 << false;
    QTest::newRow("only the first of two") << QStringList { u"protected.eur"_s, u"short.eur"_s } << 128 << false;
    QTest::newRow("short file pads with coins not held") << QStringList { u"short.eur"_s } << 10 << false;
    QTest::newRow("missing file") << QStringList { u"nothing.eur"_s } << 0 << true;
}

void TestFileCommands::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, owned);
    QFETCH(bool, failed);
    writeFile(path(u"protected.eur"_s), allOf('1'));
    QVERIFY(QFile::setPermissions(path(u"protected.eur"_s), QFile::ReadOwner | QFile::ReadGroup));
    writeFile(path(u"short.eur"_s), QByteArray(10, '1'));
    QStringList paths;
    for (const QString& argument : arguments)
        paths.append(path(argument));
    makeForm(paths);

    QTRY_COMPARE(m_services.argumentReads, 1);
    QCOMPARE(m_form->state().ownedCount(), owned);
    QCOMPARE(m_services.messages.size(), failed ? 1 : 0);
    const bool loaded = !arguments.isEmpty() && !failed;
    QCOMPARE(m_form->windowTitle(),
        loaded ? u"Numislot par QVT : "_s + m_services.commandLine.constFirst() : u"Numislot par QVT"_s);
    QVERIFY(!m_form->state().isModified());

    // Only the first activation reads the command line.
    m_form->FormActivate();
    QCOMPARE(m_services.argumentReads, 1);
}

// ".eur" goes only to a name that does not exist as it stands.
void TestFileCommands::defaultExtension_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("used");
    QTest::newRow("existing name without extension opens") << false << u"collection"_s << u"collection"_s;
    QTest::newRow("new name without extension saves with it") << true << u"nouvelle"_s << u"nouvelle.eur"_s;
}

void TestFileCommands::defaultExtension()
{
    QFETCH(bool, save);
    QFETCH(QString, chosen);
    QFETCH(QString, used);
    if (!save)
        writeFile(path(chosen), allOf('1'));
    m_services.fileAnswers = { path(chosen) };
    if (save)
        m_form->Savegarder1Click();
    else
        m_form->Charger1Click();
    QCOMPARE(m_services.messages, QStringList());
    QCOMPARE(m_form->windowTitle(), u"Numislot par QVT : "_s + path(used));
    QCOMPARE(readFileBytes(path(used)).size(), 128);
}

namespace {

QString existsQuestion(const QString& name)
{
    return u"Le fichier \u00AB\u00A0%1\u00A0\u00BB existe déjà.\nVoulez-vous le remplacer\u00A0?"_s.arg(name);
}

QString changedQuestion(const QString& name)
{
    return u"Le fichier \u00AB\u00A0%1\u00A0\u00BB a été modifié sur le disque depuis sa dernière ouverture ou "
           u"sauvegarde.\nVoulez-vous le remplacer\u00A0?"_s.arg(name);
}

} // namespace

// A save that would replace a file other than the collection's own unchanged one asks first; "Non"
// counts as a cancelled save dialog in every command.
void TestFileCommands::replacingAFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("asked");
    QTest::newRow("other file, Non keeps it") << u"save"_s << u"other"_s << false << existsQuestion(u"autre.eur"_s);
    QTest::newRow("other file, Oui replaces it") << u"save"_s << u"other"_s << true << existsQuestion(u"autre.eur"_s);
    QTest::newRow("name without extension, its .eur exists")
        << u"save"_s << u"stem"_s << false << existsQuestion(u"collection.eur"_s);
    QTest::newRow("own file unchanged is not asked") << u"save"_s << u"own"_s << false << QString();
    QTest::newRow("own file opened, unchanged is not asked") << u"save"_s << u"opened"_s << false << QString();
    QTest::newRow("own file saved by another window")
        << u"save"_s << u"own, saved elsewhere"_s << false << changedQuestion(u"mine.eur"_s);
    QTest::newRow("own file rewritten in place, Oui")
        << u"save"_s << u"own, rewritten"_s << true << changedQuestion(u"mine.eur"_s);
    QTest::newRow("quit, Oui, Non to replacing goes on")
        << u"quit"_s << u"other"_s << false << existsQuestion(u"autre.eur"_s);
    QTest::newRow("open, Oui, Non to replacing stops")
        << u"open"_s << u"other"_s << false << existsQuestion(u"autre.eur"_s);
}

void TestFileCommands::replacingAFile()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(bool, yes);
    QFETCH(QString, asked);
    QString chosen = path(u"autre.eur"_s);
    QString replaced = chosen;
    if (target == u"other") {
        writeFile(replaced, allOf('1'));
    } else if (target == u"stem") {
        replaced = path(u"collection.eur"_s);
        chosen = path(u"collection"_s);
        writeFile(replaced, allOf('1'));
    } else if (target == u"opened") {
        replaced = chosen = path(u"mine.eur"_s);
        writeFile(replaced, allOf('1'));
        m_services.fileAnswers = { replaced };
        m_form->Charger1Click();
    } else {
        replaced = chosen = path(u"mine.eur"_s);
        tick({ 2 });
        m_services.fileAnswers = { replaced };
        m_form->Savegarder1Click();
        if (target == u"own, saved elsewhere")
            QVERIFY(collection::writeCollectionFile(replaced, collection::decodeCollection(allOf('1'))));
        else if (target == u"own, rewritten")
            writeFile(replaced, allOf('1') + "and more");
    }
    QVERIFY(m_services.questions.isEmpty());
    const QByteArray before = readFileBytes(replaced);
    tick({ 9 });

    m_services.fileAnswers = { chosen };
    m_services.questionAnswers = { yes };
    if (command == u"save") {
        m_form->Savegarder1Click();
    } else {
        m_services.fileAnswers.push_back(path(u"autre.eur"_s));
        clickInNextModal(u"Button1"_s);
        if (command == u"quit")
            m_form->Button1Click();
        else
            m_form->Charger1Click();
    }

    QCOMPARE(m_services.questions, asked.isEmpty() ? QStringList() : QStringList { asked });
    const bool saved = asked.isEmpty() || yes;
    QCOMPARE(readFileBytes(replaced) != before, saved);
    QCOMPARE(m_form->state().isModified(), !saved);
    if (!saved) {
        // As after a cancelled save dialog: no open dialog, no end.
        QCOMPARE(m_services.fileRequests.constLast().mode, toolkit::FileDialogMode::Save);
        QVERIFY(m_services.exitStatuses.isEmpty());
    }
}

// The system's dialogs carry their titles themselves: a platform's own dialog shows only a title set.
void TestFileCommands::realDialogTitles_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::newRow("open") << false << u"Ouvrir"_s;
    QTest::newRow("save") << true << u"Enregistrer sous"_s;
}

// The dialog the user sees: Qt's own, or the one the platform theme supplies (run a second time with
// KDE's, which speaks French too, whatever the desktop's language).
void TestFileCommands::realDialogTitles()
{
    QFETCH(bool, save);
    QFETCH(QString, title);
    if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == u"kde"_s
        && !QFile::exists(
            QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platformthemes/KDEPlasmaPlatformTheme6.so"_s))
        QSKIP("KDE's platform theme for Qt 6 is not installed (plasma-integration, from Debian 13 on)");
    static const bool translated = (toolkit::installFrenchTranslations(*qApp), true);
    Q_UNUSED(translated);
    QStringList seen;
    QStringList buttons;
    // A platform's dialog may run events while it is being built, before its own modal loop: the
    // look is taken again from the queue until the dialog is up.
    std::function<void()> answer = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            QTimer::singleShot(0, this, answer);
            return;
        }
        seen << modal->windowTitle();
        for (const QAbstractButton* button : modal->findChildren<QAbstractButton*>())
            buttons << button->text().remove(u'&');
        modal->close();
    };
    QTimer::singleShot(0, this, answer);
    toolkit::SystemServices desktop;
    toolkit::FileDialogRequest request;
    request.mode = save ? toolkit::FileDialogMode::Save : toolkit::FileDialogMode::Open;
    QCOMPARE(desktop.runFileDialog(m_form.get(), request), std::nullopt);
    QCOMPARE(seen, QStringList { title });
    QVERIFY2(buttons.contains(u"Annuler"_s), qPrintable(buttons.join(u", "_s)));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
