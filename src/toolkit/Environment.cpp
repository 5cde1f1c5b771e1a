// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Environment.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(u"MS Sans Serif"_s, { u"Liberation Sans"_s, u"Arimo"_s, u"DejaVu Sans"_s });
    QFont::insertSubstitutions(u"Arial"_s, { u"Liberation Sans"_s, u"Arimo"_s, u"DejaVu Sans"_s });
}

void installFrenchTranslations(QCoreApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // The translators live as long as the application object.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
