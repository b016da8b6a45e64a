// The dialog framework layer, under wine: message routing, data exchange, dialog
// init data, ownership and placement, through real dialogs and real messages.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DataExchange.h"
#include "Dialog.h"
#include "DialogInput.h"
#include "ModalDriver.h"
#include "SliderCtrl.h"
#include "TestApp.h"
#include "TestResource.h"
#include "WindowPlacement.h"

namespace {

constexpr UINT kNotifyCode = 0xFFF0;  // an arbitrary WM_NOTIFY code

// Records which handler ran.
class BaseDialog : public CDialog {
public:
    explicit BaseDialog(UINT id = IDD_TEST_DIALOG) : CDialog(id) {}
    std::vector<std::string> log;

protected:
    void OnBaseButton() { log.push_back("base button"); }
    void OnBaseSelchange() { log.push_back("base selchange"); }
    void OnBaseNotify(NMHDR*, LRESULT* result)
    {
        log.push_back("base notify");
        *result = 7;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
    ON_BN_CLICKED(IDC_TEST_BUTTON, &BaseDialog::OnBaseButton)
    ON_CBN_SELCHANGE(IDC_TEST_COMBO, &BaseDialog::OnBaseSelchange)
    ON_NOTIFY(kNotifyCode, IDC_TEST_SLIDER, &BaseDialog::OnBaseNotify)
END_MESSAGE_MAP()

class DerivedDialog : public BaseDialog {
protected:
    void OnButton() { log.push_back("derived button"); }
    void OnSecondButton() { log.push_back("second derived button"); }
    void OnOK() override { log.push_back("derived OK"); }
    void OnNotify(NMHDR* header, LRESULT* result)
    {
        log.push_back("derived notify from " + std::to_string(header->idFrom));
        *result = 0x1234;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDialog, BaseDialog)
    ON_BN_CLICKED(IDC_TEST_BUTTON, &DerivedDialog::OnButton)
    ON_BN_CLICKED(IDC_TEST_BUTTON, &DerivedDialog::OnSecondButton)
    ON_NOTIFY(kNotifyCode, IDC_TEST_SLIDER, &DerivedDialog::OnNotify)
END_MESSAGE_MAP()

LRESULT SendNotify(HWND dialog, UINT_PTR id, UINT code)
{
    NMHDR header{::GetDlgItem(dialog, static_cast<int>(id)), id, code};
    return ::SendMessageA(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

TEST(MessageRouting, OwnMapFirstAndFirstEntryWins)
{
    DerivedDialog dlg;
    LRESULT notifyResult = 0;
    RunModal(dlg, {[&](HWND h) {
        SendCommand(h, IDC_TEST_BUTTON, BN_CLICKED);
        SendCommand(h, IDC_TEST_COMBO, CBN_SELCHANGE);  // only the base maps it
        notifyResult = SendNotify(h, IDC_TEST_SLIDER, kNotifyCode);
    }});
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"derived button", "base selchange", "derived notify from 1002"}));
    EXPECT_EQ(notifyResult, 0x1234) << "the handler's result reaches the sender";
}

TEST(MessageRouting, CodesAndIdsAreDistinguished)
{
    BaseDialog dlg;
    RunModal(dlg, {[&](HWND h) {
        SendCommand(h, IDC_TEST_BUTTON, BN_DOUBLECLICKED);  // other code, same ID
        SendCommand(h, IDC_TEST_COMBO, CBN_DROPDOWN);
        SendCommand(h, IDC_TEST_SLIDER, CBN_SELCHANGE);     // same code, other ID
        EXPECT_EQ(SendNotify(h, IDC_TEST_SLIDER, kNotifyCode + 1), 0);
        EXPECT_EQ(SendNotify(h, IDC_TEST_COMBO, kNotifyCode), 0);
    }});
    EXPECT_TRUE(dlg.log.empty()) << dlg.log.front();
}

TEST(MessageRouting, OkReachesTheProgramsHandlerInsteadOfEndingTheDialog)
{
    DerivedDialog derived;
    const INT_PTR result = RunModal(derived, {[](HWND h) { SendCommand(h, IDOK, BN_CLICKED); },
                                              [](HWND h) { EXPECT_TRUE(::IsWindow(h)); }});
    EXPECT_EQ(derived.log, std::vector<std::string>{"derived OK"});
    EXPECT_EQ(result, kEndedByDriver);

    BaseDialog plain;
    EXPECT_EQ(RunModal(plain, {[](HWND h) { SendCommand(h, IDOK, BN_CLICKED); }}), IDOK);
}

TEST(MessageRouting, CancelEndsTheDialogFromEveryRoute)
{
    struct Route {
        const char* name;
        Step step;
    };
    const Route routes[] = {
        {"IDCANCEL", [](HWND h) { SendCommand(h, IDCANCEL, BN_CLICKED); }},
        {"close box", [](HWND h) { ::PostMessageA(h, WM_CLOSE, 0, 0); }},
        {"system menu Close", [](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& route : routes) {
        BaseDialog dlg;
        EXPECT_EQ(RunModal(dlg, {route.step}), IDCANCEL) << route.name;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << route.name;
    }
}

TEST(MessageRouting, UnhandledCommandsGoToTheApplication)
{
    BaseDialog dlg;
    testApp().appCommands = 0;
    RunModal(dlg, {[](HWND h) {
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(TestApp::kAppCommand, 0), 0);
        // A control notification with that ID is not a command: it stays with the dialog.
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(TestApp::kAppCommand, 1), 0);
    }});
    EXPECT_EQ(testApp().appCommands, 1);
}

TEST(MessageRouting, UnhandledCommandsOfAnOwnedDialogTryTheOwnerThenTheApplication)
{
    BaseDialog owner;
    CDialog owned(IDD_NO_INIT);  // maps nothing but OK and Cancel
    testApp().m_pMainWnd = &owner;
    testApp().appCommands = 0;
    RunModal(owner, {[&](HWND h) {
        RunModal(owned, {[&](HWND o) {
            EXPECT_EQ(::GetWindow(o, GW_OWNER), h);
            ::SendMessageA(o, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, 0), 0);        // the owner maps it
            ::SendMessageA(o, WM_COMMAND, MAKEWPARAM(TestApp::kAppCommand, 0), 0);   // only the application does
        }});
    }});
    testApp().m_pMainWnd = nullptr;
    EXPECT_EQ(owner.log, std::vector<std::string>{"base button"});
    EXPECT_EQ(testApp().appCommands, 1);
}

// Data exchange through a dialog of its own.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_TEST_DIALOG) {}
    CString m_text;
    int m_position = 0;
    CSliderCtrl m_slider;
    int exchanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        ++exchanges;
        DDX_CBString(pDX, IDC_TEST_COMBO, m_text);
        DDX_Control(pDX, IDC_TEST_SLIDER, m_slider);
        DDX_Slider(pDX, IDC_TEST_SLIDER, m_position);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_slider.SetRange(0, 0xFFFF, TRUE);
        return TRUE;
    }
};

LRESULT Selection(HWND dialog)
{
    return ::SendDlgItemMessageA(dialog, IDC_TEST_COMBO, CB_GETCURSEL, 0, 0);
}

TEST(DataExchange, LoadingSelectsTheFirstItemBeginningWithTheTextIgnoringCase)
{
    // The list holds "C#2", "A2", "a4", "A#4" in that order.
    struct Case {
        const char* text;
        int startSelection;
        LRESULT expected;
    };
    const Case cases[] = {
        {"A2", -1, 1},
        {"a2", -1, 1},   // case is ignored
        {"A4", -1, 2},   // "a4" begins with "A4" ignoring case
        {"A", 3, 1},     // a prefix: the first match from the top
        {"c#", -1, 0},
        {"A#4", 0, 3},
        {"B3", 2, 2},    // no match: the selection stays
        {"A4x", 0, 0},   // longer than every item: no match
        {"B3", -1, -1},
    };
    ExchangeDialog dlg;
    RunModal(dlg, {[&](HWND h) {
        for (const auto& c : cases) {
            ::SendDlgItemMessageA(h, IDC_TEST_COMBO, CB_SETCURSEL, static_cast<WPARAM>(c.startSelection), 0);
            dlg.m_text = c.text;
            dlg.UpdateData(FALSE);
            EXPECT_EQ(Selection(h), c.expected) << '"' << c.text << "\" from " << c.startSelection;
        }
    }});
}

TEST(DataExchange, SavingYieldsTheSelectedItemsExactTextOrEmpty)
{
    ExchangeDialog dlg;
    RunModal(dlg, {[&](HWND h) {
        const std::pair<int, const char*> cases[] = {{0, "C#2"}, {2, "a4"}, {3, "A#4"}, {-1, ""}};
        for (const auto& [index, text] : cases) {
            dlg.m_text = "stale";
            ::SendDlgItemMessageA(h, IDC_TEST_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            dlg.UpdateData(TRUE);
            EXPECT_STREQ(dlg.m_text, text) << "selection " << index;
        }
    }});
}

TEST(DataExchange, SliderPositionBothWays)
{
    ExchangeDialog dlg;
    RunModal(dlg, {[&](HWND h) {
        HWND slider = ::GetDlgItem(h, IDC_TEST_SLIDER);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 0xFFFF);
        for (int position : {0, 1, 0x1234, 0xFFFF}) {
            dlg.m_position = position;
            dlg.UpdateData(FALSE);
            EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), position);
        }
        ::SendMessageA(slider, TBM_SETPOS, TRUE, 777);
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_position, 777);
    }});
}

TEST(DataExchange, ControlIsAttachedOnTheFirstExchangeOnly)
{
    ExchangeDialog dlg;
    RunModal(dlg, {[&](HWND h) {
        EXPECT_EQ(dlg.m_slider.m_hWnd, ::GetDlgItem(h, IDC_TEST_SLIDER));
        dlg.m_slider.m_hWnd = ::GetDlgItem(h, IDOK);  // a later exchange leaves it alone
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_slider.m_hWnd, ::GetDlgItem(h, IDOK));
        dlg.m_slider.m_hWnd = ::GetDlgItem(h, IDC_TEST_SLIDER);
    }});
    EXPECT_EQ(dlg.exchanges, 2);  // the base initialisation's load, and the step's save
}

// Dialog init data: what the base initialisation applied, and what it returned.
class InitDataDialog : public CDialog {
public:
    explicit InitDataDialog(UINT id) : CDialog(id) {}
    BOOL baseResult = -2;
    std::vector<std::string> items;

protected:
    BOOL OnInitDialog() override
    {
        baseResult = CDialog::OnInitDialog();
        HWND combo = ::GetDlgItem(m_hWnd, IDC_TEST_COMBO);
        const auto count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[32] = {};
            ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return TRUE;
    }
};

TEST(DialogInitData, EntriesAreAppliedInOrder)
{
    InitDataDialog dlg(IDD_TEST_DIALOG);
    EXPECT_EQ(RunModal(dlg, {}), kEndedByDriver);
    EXPECT_EQ(dlg.baseResult, TRUE);
    EXPECT_EQ(dlg.items, (std::vector<std::string>{"C#2", "A2", "a4", "A#4"}));
}

TEST(DialogInitData, ATemplateWithoutInitDataIsFine)
{
    InitDataDialog dlg(IDD_NO_INIT);
    EXPECT_EQ(RunModal(dlg, {}), kEndedByDriver);
    EXPECT_EQ(dlg.baseResult, TRUE);
    EXPECT_TRUE(dlg.items.empty());
}

TEST(DialogInitData, MalformedBlocksEndTheDialogWithMinusOne)
{
    struct Case {
        UINT id;
        const char* what;
        std::vector<std::string> applied;  // malformed blocks are refused before anything is applied
    };
    const Case cases[] = {
        {IDD_INIT_TRUNCATED, "data shorter than its length", {}},
        {IDD_INIT_NO_END, "no end marker", {}},
        {IDD_INIT_UNTERMINATED, "text without its zero", {}},
        {IDD_INIT_HEADER_CUT, "block ends inside a header", {}},
        {IDD_INIT_UNKNOWN_MSG, "a message that cannot be applied", {}},
        {IDD_INIT_NO_CONTROL, "no such control", {}},
    };
    for (const auto& c : cases) {
        InitDataDialog dlg(c.id);
        EXPECT_EQ(dlg.DoModal(), -1) << c.what;
        EXPECT_EQ(dlg.baseResult, FALSE) << c.what;
        EXPECT_EQ(dlg.items, c.applied) << c.what;
    }
}

TEST(DialogPlacement, OwnedByTheMainWindowAndCentredOverIt)
{
    BaseDialog main;
    BaseDialog second;
    testApp().m_pMainWnd = &main;
    RunModal(main, {
        [&](HWND h) {
            EXPECT_EQ(::GetWindow(h, GW_OWNER), nullptr) << "the main window has no owner";
            RECT window{}, work{};
            ::GetWindowRect(h, &window);
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
            EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
            ::SetWindowPos(h, nullptr, 100, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        },
        [&](HWND h) {
            RunModal(second, {[&](HWND s) {
                EXPECT_EQ(::GetWindow(s, GW_OWNER), h);
                EXPECT_FALSE(::IsWindowEnabled(h)) << "the owner is disabled while the dialog runs";
                RECT owner{}, window{};
                ::GetWindowRect(h, &owner);
                ::GetWindowRect(s, &window);
                EXPECT_NEAR((window.left + window.right) / 2, (owner.left + owner.right) / 2, 1);
                EXPECT_NEAR((window.top + window.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
            }});
            EXPECT_TRUE(::IsWindowEnabled(h));
        },
    });
    EXPECT_EQ(testApp().m_pMainWnd, nullptr) << "cleared when the main window was destroyed";
}

TEST(DialogPlacement, CentredOriginStaysInsideTheArea)
{
    struct Case {
        RECT window, over, area;
        POINT expected;
    };
    const Case cases[] = {
        {{0, 0, 100, 50}, {0, 0, 1000, 700}, {0, 0, 1000, 700}, {450, 325}},
        {{0, 0, 100, 50}, {200, 100, 400, 200}, {0, 0, 1000, 700}, {250, 125}},
        {{0, 0, 101, 51}, {0, 0, 200, 100}, {0, 0, 1000, 700}, {49, 24}},
        {{0, 0, 300, 200}, {-100, -100, 0, 0}, {0, 0, 1000, 700}, {0, 0}},           // pushed in at the top left
        {{0, 0, 300, 200}, {900, 600, 1000, 700}, {0, 0, 1000, 700}, {700, 500}},    // and at the bottom right
        {{0, 0, 1200, 800}, {0, 0, 1000, 700}, {0, 0, 1000, 700}, {0, 0}},           // larger than the area
        {{0, 0, 100, 50}, {0, 0, 1000, 700}, {1024, 0, 2048, 768}, {1024, 325}},     // another monitor
    };
    for (const auto& c : cases) {
        const POINT got = CenteredOrigin(c.window, c.over, c.area);
        EXPECT_EQ(got.x, c.expected.x);
        EXPECT_EQ(got.y, c.expected.y);
    }
}

}  // namespace
