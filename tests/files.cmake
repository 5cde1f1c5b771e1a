# SPDX-License-Identifier: GPL-3.0-or-later
# Collection files, the owned-coins report's bytes and where its file goes.
# The program copies an ACL as the attribute it is; the test writes and compares them as text.
pkg_check_modules(NUMISLOT_ACL REQUIRED IMPORTED_TARGET libacl)
numislot_add_test(tst_collectionfile tst_collectionfile.cpp LIBS numislot_core PkgConfig::NUMISLOT_ACL)
numislot_add_test(tst_ownedreport tst_ownedreport.cpp LIBS numislot_core)
numislot_add_test(tst_reportfile tst_reportfile.cpp LIBS numislot_core)

if(NUMISLOT_FUZZ)
    add_subdirectory(fuzz)
endif()
