# SPDX-License-Identifier: GPL-3.0-or-later
# The checklist: the catalogue, the main window and its count, completion marks, file commands and the
# save prompt.
numislot_add_test(tst_catalogue tst_catalogue.cpp LIBS numislot_core)
numislot_add_test(tst_completion tst_completion.cpp LIBS numislot_gui)
numislot_add_test(tst_mainwindow tst_mainwindow.cpp LIBS numislot_gui)
numislot_add_test(tst_countsize tst_countsize.cpp LIBS numislot_gui)
numislot_add_test(tst_saveprompt tst_saveprompt.cpp LIBS numislot_gui)
numislot_add_test(tst_filecommands tst_filecommands.cpp LIBS numislot_gui)
