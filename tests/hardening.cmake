# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that go with the speed work: what a faster path must still get right.
numislot_add_test(tst_countsize tst_countsize.cpp LIBS numislot_gui)
