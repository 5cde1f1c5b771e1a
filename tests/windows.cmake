# SPDX-License-Identifier: GPL-3.0-or-later
# What the windows share: start-up and the splash, the About window, how every modal window answers and
# where it opens, readability, keys and screen-reader names, held-back first-show work, the exception
# display.
numislot_add_test(tst_startup tst_startup.cpp LIBS numislot_app)
numislot_add_test(tst_about tst_about.cpp LIBS numislot_gui)
numislot_add_test(tst_modalwindows tst_modalwindows.cpp LIBS numislot_app)
numislot_add_test(tst_accessibility tst_accessibility.cpp LIBS numislot_app)
numislot_add_test(tst_firstshow tst_firstshow.cpp LIBS numislot_toolkit)
numislot_add_test(tst_exceptiondisplay tst_exceptiondisplay.cpp LIBS numislot_toolkit)
