# SPDX-License-Identifier: GPL-3.0-or-later
numislot_add_test(tst_catalogue tst_catalogue.cpp LIBS numislot_core)
numislot_add_test(tst_completion tst_completion.cpp LIBS numislot_gui)
numislot_add_test(tst_mainwindow tst_mainwindow.cpp LIBS numislot_gui)
numislot_add_test(tst_saveprompt tst_saveprompt.cpp LIBS numislot_gui)
numislot_add_test(tst_accessibility tst_accessibility.cpp LIBS numislot_app)
numislot_add_test(tst_filecommands tst_filecommands.cpp LIBS numislot_gui)
numislot_add_test(tst_startup tst_startup.cpp LIBS numislot_app)
numislot_add_test(tst_exceptiondisplay tst_exceptiondisplay.cpp LIBS numislot_toolkit)
