# SPDX-License-Identifier: GPL-3.0-or-later
# The checklist: the catalogue, the main window and its count, completion marks, file commands and the
# save prompt.
numislot_add_test(tst_catalogue tst_catalogue.cpp LIBS numislot_core)
numislot_add_test(tst_completion tst_completion.cpp LIBS numislot_gui)
numislot_add_test(tst_mainwindow tst_mainwindow.cpp LIBS numislot_gui)
numislot_add_test(tst_countsize tst_countsize.cpp LIBS numislot_gui)
numislot_add_test(tst_saveprompt tst_saveprompt.cpp LIBS numislot_gui)
numislot_add_test(tst_filecommands tst_filecommands.cpp LIBS numislot_gui)
# The file dialogs again, as KDE's platform theme supplies them (skipped where it is not installed).
add_test(NAME tst_filecommands_kde COMMAND tst_filecommands realDialogTitles)
set_tests_properties(tst_filecommands_kde PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_QPA_PLATFORMTHEME=kde;QT_STYLE_OVERRIDE=breeze")
