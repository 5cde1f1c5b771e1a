// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Environment.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <dlfcn.h>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(u"MS Sans Serif"_s, { u"Liberation Sans"_s, u"Arimo"_s, u"DejaVu Sans"_s });
    QFont::insertSubstitutions(u"Arial"_s, { u"Liberation Sans"_s, u"Arimo"_s, u"DejaVu Sans"_s });
}

namespace {

// `load` fills the translator from its catalogue, false when there is none.
template <typename Load> void installTranslator(QCoreApplication& application, Load load)
{
    // The translators live as long as the application object.
    auto* translator = new QTranslator(&application);
    if (load(*translator))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// KDE's platform theme brings KDE's file dialog, which picked the desktop's language from the
// environment when its libraries loaded. French is chosen for this process alone: changing LANGUAGE
// would reach the programs started from here, and changing it now would come too late.
void frenchDesktopFileDialog(QCoreApplication& application)
{
    // Only where the theme has loaded KDE's translation library: nothing is loaded for this.
    void* library = dlopen("libKF6I18n.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return;
    // KLocalizedString::setLanguages(const QStringList&), a static member of KDE's stable interface.
    using SetLanguages = void (*)(const QStringList&);
    if (auto setLanguages
        = reinterpret_cast<SetLanguages>(dlsym(library, "_ZN16KLocalizedString12setLanguagesERK5QListI7QStringE")))
        setLanguages({ u"fr"_s });
    dlclose(library);
    // The dialog's buttons, completion, views and places come from these libraries' Qt catalogues.
    for (const QString& catalogue : { u"kwidgetsaddons6_qt"_s, u"kcompletion6_qt"_s, u"kitemviews6_qt"_s,
             u"kbookmarks6_qt"_s, u"kconfig6_qt"_s, u"kcoreaddons6_qt"_s, u"kjobwidgets6_qt"_s, u"solid6_qt"_s }) {
        const QString file = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation, u"locale/fr/LC_MESSAGES/"_s + catalogue + u".qm"_s);
        if (!file.isEmpty())
            installTranslator(application, [&file](QTranslator& translator) { return translator.load(file); });
    }
}

} // namespace

void installFrenchTranslations(QCoreApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    installTranslator(application, [&directory](QTranslator& translator) {
        return translator.load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s, directory);
    });
    frenchDesktopFileDialog(application);
}

QFont formFont(int pixelHeight, bool bold, QStringView family)
{
    // Every window asks for its font here, so the mapping holds wherever a window is built.
    static const bool substituted = (installFontSubstitutes(), true);
    Q_UNUSED(substituted);
    QFont font(family.toString());
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace numislot::toolkit
