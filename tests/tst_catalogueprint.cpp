// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "forms/CataloguePage.h"
#include "forms/Unit1.h"
#include "forms/Unit16.h"
#include "forms/Unit6.h"
#include "forms/Unit7.h"
#include "support/FakeServices.h"
#include "support/Files.h"
#include "support/TestMain.h"
#include "toolkit/Environment.h"
#include "toolkit/FirstShow.h"
#include "toolkit/PictureCell.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace numislot;

namespace {

int pageCount(const QString& pdf)
{
    static const QRegularExpression pages(u"Pages: +([0-9]+)"_s);
    return pages.match(runCommand(u"pdfinfo"_s, { pdf })).captured(1).toInt();
}

// The first page of a PDF as pixels, at a resolution in dots per inch.
QImage rendered(const QString& pdf, int dpi)
{
    const QString base = pdf + u"-render"_s;
    runCommand(u"pdftoppm"_s, { u"-r"_s, QString::number(dpi), u"-png"_s, u"-singlefile"_s, pdf, base });
    return QImage(base + u".png"_s).convertToFormat(QImage::Format_RGB32);
}

QImage painted(const QWidget& page)
{
    QImage image(page.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintCataloguePage(painter, page);
    return image;
}

// Mean difference per channel between two images of the same size.
double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

const toolkit::PictureCell* pageCell(const QWidget* page, int number)
{
    return page->findChild<const toolkit::PictureCell*>(u"Image%1"_s.arg(number), Qt::FindDirectChildrenOnly);
}

// Prints the catalogue to a PDF file and keeps each printed page apart, in the order printed.
class CataloguePrintRun
{
public:
    explicit CataloguePrintRun(
        FakeServices& services, const QString& directory, QPageSize paper = QPageSize(QPageSize::A4))
        : m_services(services)
        , m_directory(directory)
        , m_output(QDir(directory).filePath(u"job.pdf"_s))
    {
        services.printAnswers = { true };
        services.preparePrinter = [this, paper](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_output);
            printer.setPageSize(paper);
            m_paintRect = printer.pageRect(QPrinter::Point);
            m_paper = printer.paperRect(QPrinter::Point);
        };
        m_connection = QObject::connect(Form6, &TForm6::jobPrinted, [this](const QList<int>& pages) {
            m_jobs.append(pages);
            m_jobPageCounts.append(pageCount(m_output));
            for (int index = 0; index < pages.size(); ++index) {
                const QString pattern = QDir(m_directory).filePath(u"job%1-page%d.pdf"_s.arg(m_jobs.size()));
                const QString first = QString::number(index + 1);
                runCommand(u"pdfseparate"_s, { u"-f"_s, first, u"-l"_s, first, m_output, pattern });
                m_files.append(QString(pattern).replace(u"%d"_s, first));
            }
            QFile::remove(m_output);
        });
    }
    ~CataloguePrintRun() { QObject::disconnect(m_connection); }

    QList<QList<int>> jobs() const { return m_jobs; }
    QList<int> jobPageCounts() const { return m_jobPageCounts; }
    QStringList files() const { return m_files; }
    QRectF paintRect() const { return m_paintRect; }
    QRectF paper() const { return m_paper; }

private:
    FakeServices& m_services;
    QString m_directory;
    QString m_output;
    QList<QList<int>> m_jobs;
    QList<int> m_jobPageCounts;
    QStringList m_files;
    QRectF m_paintRect;
    QRectF m_paper;
    QMetaObject::Connection m_connection;
};

} // namespace

// The two commands print the catalogue's two pages; to a file, both in one job.
class TestCatalogueJobs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { createForms(m_services); }
    void cleanup()
    {
        destroyForms();
        m_services = FakeServices();
    }

    void toAFileOneJobPageOneFirst_data()
    {
        QTest::addColumn<bool>("fromGallery");
        QTest::addRow("menu Tous les euros") << false;
        QTest::addRow("gallery Imprimer") << true;
    }
    void toAFileOneJobPageOneFirst()
    {
        QFETCH(bool, fromGallery);
        QTemporaryDir dir;
        CataloguePrintRun print(m_services, dir.path());
        if (fromGallery) {
            auto* button = Form16->findChild<QPushButton*>(u"Button1"_s);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            Form1->findChild<QAction*>(u"Touslesuros1"_s)->trigger();
        }
        // The dialog stands over the window the command came from.
        QCOMPARE(m_services.printParents, QList<QWidget*> { fromGallery ? static_cast<QWidget*>(Form16) : Form1 });
        QCOMPARE(print.jobs(), (QList<QList<int>> { { 1, 2 } }));
        QCOMPARE(print.jobPageCounts(), QList<int> { 2 });

        const QString first = runCommand(u"pdftotext"_s, { print.files().at(0), u"-"_s });
        const QString second = runCommand(u"pdftotext"_s, { print.files().at(1), u"-"_s });
        for (const QString& word : { u"Allemagne"_s, u"Grèce"_s, u"Irlande"_s, u"Page 1"_s })
            QVERIFY2(first.contains(word), qPrintable(word));
        for (const QString& word : { u"Italie"_s, u"Monaco"_s, u"Slovénie"_s, u"Vatican"_s, u"Page 2"_s })
            QVERIFY2(second.contains(word), qPrintable(word));
        QVERIFY(!first.contains(u"Vatican"_s));
        QVERIFY(!second.contains(u"Allemagne"_s));
    }

    void cancelPrintsNothing()
    {
        QTemporaryDir dir;
        CataloguePrintRun print(m_services, dir.path());
        m_services.printAnswers = { false };
        Form1->findChild<QAction*>(u"Touslesuros1"_s)->trigger();
        QCOMPARE(m_services.printDialogs, 1);
        QVERIFY(print.jobs().isEmpty());
        // The pages were filled all the same.
        QCOMPARE(pageCell(Form6, 1)->picture().size(), Form16->cellPicture(1).size());
        QVERIFY(!pageCell(Form6, 1)->picture().isNull());
    }

    void samePagesWhateverTheCollection_data()
    {
        QTest::addColumn<QList<int>>("owned");
        QTest::addRow("some coins") << QList<int> { 1, 9, 64, 105, 113, 121 };
        QList<int> all;
        for (int slot = 1; slot <= 128; ++slot)
            all.append(slot);
        QTest::addRow("every coin") << all;
    }
    void samePagesWhateverTheCollection()
    {
        QFETCH(QList<int>, owned);
        QTemporaryDir dir;
        QList<QImage> before;
        {
            CataloguePrintRun print(m_services, dir.path());
            Form1->findChild<QAction*>(u"Touslesuros1"_s)->trigger();
            QCOMPARE(print.files().size(), 2);
            for (const QString& file : print.files())
                before.append(rendered(file, 40));
        }
        for (int slot : owned)
            Form1->checkBox(slot)->setChecked(true);
        CataloguePrintRun print(m_services, dir.path());
        Form1->findChild<QAction*>(u"Touslesuros1"_s)->trigger();
        QCOMPARE(print.files().size(), 2);
        for (int page = 0; page < 2; ++page) {
            const QImage after = rendered(print.files().at(page), 40);
            QVERIFY(!after.isNull());
            QVERIFY(after == before.at(page));
        }
    }

private:
    FakeServices m_services;
};

// What the pages hold and where it lands on paper.
class TestCataloguePages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { createForms(m_services); }
    void cleanup()
    {
        destroyForms();
        m_services = FakeServices();
    }

    void pageBoxesShowTheGalleryCoins_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("galleryCell");
        QTest::addRow("page 1 Allemagne 2 euros") << 1 << 1 << 1;
        QTest::addRow("page 1 Irlande 1 cent") << 1 << 64 << 64;
        QTest::addRow("page 2 Monaco 2 euros") << 2 << 113 << 113;
        QTest::addRow("page 2 San Marin 1 cent") << 2 << 104 << 104;
        for (int d = 0; d < 8; ++d) {
            QTest::addRow("page 2 Slovenie %d", d) << 2 << 2 + d << 105 + d;
            QTest::addRow("page 2 Vatican %d", d) << 2 << 105 + d << 121 + d;
        }
    }
    void pageBoxesShowTheGalleryCoins()
    {
        QFETCH(int, page);
        QFETCH(int, box);
        QFETCH(int, galleryCell);
        Form6->FillCataloguePages();
        const QWidget* window = page == 1 ? static_cast<QWidget*>(Form6) : Form7;
        const toolkit::PictureCell* cell = pageCell(window, box);
        QVERIFY(cell);
        const QImage expected = Form16->cellPicture(galleryCell).image();
        QVERIFY(!expected.isNull());
        QCOMPARE(cell->picture().image(), expected);

        // Drawn at the box, from its corner, clipped to it.
        const QRect rect = cell->geometry();
        const QImage drawn = painted(*window).copy(rect);
        const QImage source = expected.convertToFormat(QImage::Format_RGB32);
        const QRect shown = QRect(QPoint(0, 0), rect.size()).intersected(source.rect());
        QVERIFY(meanDifference(drawn.copy(shown), source.copy(shown)) < 1.0);
    }

    void slovenieAndVaticanDiffer()
    {
        // Otherwise the rows above could not tell one from the other.
        QVERIFY(Form16->cellPicture(105).image() != Form16->cellPicture(121).image());
    }

    void drawingMatchesTheForm_data()
    {
        QTest::addColumn<int>("page");
        QTest::addRow("page 1") << 1;
        QTest::addRow("page 2") << 2;
    }
    void drawingMatchesTheForm()
    {
        QFETCH(int, page);
        Form6->FillCataloguePages();
        QWidget* window = page == 1 ? static_cast<QWidget*>(Form6) : Form7;
        // The page laid out as printing lays it out; it is never shown.
        toolkit::FirstShow::runFor(*window);
        const QImage onScreen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), window->size());
        QVERIFY(meanDifference(painted(*window), onScreen) < 0.5);
    }

    void pageTwoFitsItsPrintedPage_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addRow("A4") << QPageSize(QPageSize::A4);
        QTest::addRow("Letter") << QPageSize(QPageSize::Letter);
    }
    void pageTwoFitsItsPrintedPage()
    {
        QFETCH(QPageSize, paper);
        // Every control of the page inside its printed area, as printing lays it out.
        toolkit::FirstShow::runFor(*Form7);
        for (const QWidget* child : Form7->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(Form7->rect().contains(child->geometry()), qPrintable(child->objectName()));

        QTemporaryDir dir;
        CataloguePrintRun print(m_services, dir.path(), paper);
        Form6->printCatalogue(Form1);
        QCOMPARE(print.files().size(), 2);
        const QString pdf = print.files().at(1);

        // The page label, at the foot, lies on the paper.
        const QString boxes = runCommand(u"pdftotext"_s, { u"-bbox"_s, pdf, u"-"_s });
        static const QRegularExpression pageWord(uR"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">Page<)re"_s);
        const QRegularExpressionMatch match = pageWord.match(boxes);
        QVERIFY2(match.hasMatch(), qPrintable(boxes.left(2000)));
        const double expectedTop = print.paintRect().top() + 779 * 72.0 / 96.0;
        QVERIFY(qAbs(match.captured(1).toDouble() - expectedTop) < 4);
        QVERIFY(match.captured(2).toDouble() < print.paper().height());

        // The banner and the Vatican row's 1 cent, in pixels on the page at 96 dpi.
        const QImage page = rendered(pdf, 96);
        const QPoint origin(qRound(print.paintRect().left() * 96 / 72), qRound(print.paintRect().top() * 96 / 72));
        for (int box : { 1, 105, 112 }) {
            const toolkit::PictureCell* cell = pageCell(Form7, box);
            QVERIFY(cell);
            const QImage source = cell->picture().image().convertToFormat(QImage::Format_RGB32);
            QVERIFY(!source.isNull());
            const QRect shown = QRect(QPoint(0, 0), cell->size()).intersected(source.rect());
            const QRect onPaper = shown.translated(origin + cell->pos());
            QVERIFY(page.rect().contains(onPaper));
            // The page's origin falls between pixels and the viewer resamples: compare against how far
            // the picture is from blank paper, not against zero.
            QImage blank(source.size(), QImage::Format_RGB32);
            blank.fill(Qt::white);
            const double printed = meanDifference(page.copy(onPaper), source.copy(shown));
            const double missing = meanDifference(blank.copy(shown), source.copy(shown));
            QVERIFY2(printed < missing / 2, qPrintable(u"%1: %2 against %3"_s.arg(box).arg(printed).arg(missing)));
        }
    }

private:
    FakeServices m_services;
};

int main(int argc, char** argv)
{
    toolkit::installFontSubstitutes();
    QApplication application(argc, argv);
    return runTestClasses<TestCatalogueJobs, TestCataloguePages>(argc, argv);
}

#include "tst_catalogueprint.moc"
