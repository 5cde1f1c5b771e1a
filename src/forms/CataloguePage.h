// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two catalogue print pages share: building a page window from its layout, filling its boxes
// from the gallery, and drawing it, on screen and on paper, from its own cells and labels.

#include "printing/CataloguePages.h"

#include <QList>

class QPainter;
class QPrinter;
class QWidget;

namespace numislot {

class TForm16;

// Creates the page's boxes (Image<n>), issuer labels, separators (GroupBox1..7), page label and banner.
void buildCataloguePage(QWidget* page, const printing::CataloguePage& layout);

// Gives every box of the page the picture of its coin's gallery cell (by the gallery's cell-to-coin rule).
void fillCataloguePage(QWidget* page, const printing::CataloguePage& layout, const TForm16& gallery);

// Draws the page's client area on white in its own 96 dpi pixels: every picture at its cell, clipped,
// every label's text in its font, the separators as lines. Scale the painter first to print it.
void paintCataloguePage(QPainter& painter, const QWidget& page);

// One print job with a page for each window: its client area at the page's top-left, scaled by the
// printer's resolution over 96 dpi. False when the job could not be started.
bool printCataloguePages(QPrinter& printer, const QList<const QWidget*>& pages);

} // namespace numislot
