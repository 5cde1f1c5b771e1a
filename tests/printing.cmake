# SPDX-License-Identifier: GPL-3.0-or-later
# The owned-coins report command, the catalogue pages print and the About window.
numislot_add_test(tst_reportcommand tst_reportcommand.cpp LIBS numislot_app)
numislot_add_test(tst_catalogueprint tst_catalogueprint.cpp LIBS numislot_app)
numislot_add_test(tst_about tst_about.cpp LIBS numislot_gui)
