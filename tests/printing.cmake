# SPDX-License-Identifier: GPL-3.0-or-later
# The owned-coins report command and the catalogue pages print.
numislot_add_test(tst_reportcommand tst_reportcommand.cpp LIBS numislot_app)
numislot_add_test(tst_catalogueprint tst_catalogueprint.cpp LIBS numislot_app)
