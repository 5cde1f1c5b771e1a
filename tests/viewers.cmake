# SPDX-License-Identifier: GPL-3.0-or-later
# The coin viewers: the gallery and the issuer detail window.
numislot_add_test(tst_gallery tst_gallery.cpp LIBS numislot_gui)
numislot_add_test(tst_detailwindow tst_detailwindow.cpp LIBS numislot_gui)
