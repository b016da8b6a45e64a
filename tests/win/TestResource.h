// Resources of the test program's own dialogs.
#ifndef SONIVEL_TESTS_TESTRESOURCE_H
#define SONIVEL_TESTS_TESTRESOURCE_H

#define IDD_TEST_DIALOG      900  // combo, trackbar, buttons; valid init data
#define IDD_INIT_TRUNCATED   901  // data shorter than its length says
#define IDD_INIT_NO_END      902  // no 16-bit zero at the end
#define IDD_INIT_UNTERMINATED 903 // text without its zero byte
#define IDD_INIT_UNKNOWN_MSG 904  // a message the framework cannot apply
#define IDD_INIT_NO_CONTROL  905  // an entry for a control the template lacks
#define IDD_INIT_HEADER_CUT  906  // ends inside an entry's header
#define IDD_NO_INIT          907  // a template without init data

#define IDC_TEST_COMBO       1001
#define IDC_TEST_SLIDER      1002
#define IDC_TEST_BUTTON      2001

#endif
