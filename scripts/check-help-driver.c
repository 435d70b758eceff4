/* Drives the help viewer for scripts/check-help.sh, one step per run:
 *
 *   check-help-driver finder  <file.hlp> <title>   WinHelp command 11, as the tuner calls it
 *   check-help-driver context <file.hlp> <id> <title>   WinHelp HELP_CONTEXT with a map number
 *   check-help-driver index                        open the viewer's Index (left open)
 *   check-help-driver keyword <keyword> <title>    choose a keyword in the Index
 *   check-help-driver link    <text> <title>       click the jump whose text is <text>
 *   check-help-driver wait    <title>              wait for a viewer started otherwise
 *   check-help-driver quit    <file.hlp>           WinHelp HELP_QUIT
 *
 * Each step ends when the viewer shows the topic whose first line is <title>
 * (exit 0) or when it never does (exit 1, after a generous bound that only
 * guards against hanging forever). The viewer stays open between runs, so the
 * shell takes a screenshot of each step. */
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#define TEXT_ID 0x701 /* the viewer's topic text control */

static HWND help_window;

static BOOL CALLBACK find_help(HWND hwnd, LPARAM unused)
{
    (void)unused;
    if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, TEXT_ID)) {
        help_window = hwnd;
        return FALSE;
    }
    return TRUE;
}

static HWND viewer(void)
{
    help_window = NULL;
    EnumWindows(find_help, 0);
    return help_window;
}

/* The topic text as the viewer's rich edit control holds it, paragraphs
 * ending in a single CR as its character positions count them. */
static int topic_text(WCHAR *buf, int size)
{
    HWND w = viewer();
    int n, i, j;
    if (!w) return 0;
    n = (int)SendMessageW(GetDlgItem(w, TEXT_ID), WM_GETTEXT, size, (LPARAM)buf);
    for (i = j = 0; i < n; i++)
        if (!(buf[i] == L'\n' && i > 0 && buf[i - 1] == L'\r')) buf[j++] = buf[i];
    buf[j] = 0;
    return j;
}

static WCHAR *wide(const char *s)
{
    static WCHAR bufs[4][512];
    static int next;
    WCHAR *b = bufs[next++ % 4];
    MultiByteToWideChar(CP_ACP, 0, s, -1, b, 512);
    return b;
}

static int wait_for_topic(const char *title)
{
    static WCHAR text[65536];
    const WCHAR *want = wide(title);
    int tries;
    for (tries = 0; tries < 600; tries++) {
        if (topic_text(text, 65536) && !wcsncmp(text, want, wcslen(want))
            && (text[wcslen(want)] == L'\r' || text[wcslen(want)] == 0)) {
            printf("topic shown: %s\n", title);
            return 0;
        }
        Sleep(100);
    }
    text[80] = 0;
    printf("topic %s not shown; the viewer shows: %ls\n", title, text);
    return 1;
}

static HWND owner(void)
{
    return CreateWindowA("STATIC", "help check", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL,
                         GetModuleHandleA(NULL), NULL);
}

static BOOL CALLBACK find_index_button(HWND hwnd, LPARAM out)
{
    char text[64], cls[32];
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, text, sizeof text);
    if (!lstrcmpiA(cls, "Button") && !strcmp(text, "&Index")) {
        *(HWND *)out = hwnd;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK find_sheet(HWND hwnd, LPARAM out)
{
    char cls[32];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (IsWindowVisible(hwnd) && !strcmp(cls, "#32770") && GetWindow(hwnd, GW_OWNER) == help_window) {
        *(HWND *)out = hwnd;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK find_listbox(HWND hwnd, LPARAM out)
{
    char cls[32];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!lstrcmpiA(cls, "ListBox")) {
        *(HWND *)out = hwnd;
        return FALSE;
    }
    return TRUE;
}

/* The viewer's Index sheet and its keyword list, opened when not yet open. */
static HWND index_list(HWND *sheet)
{
    HWND w = viewer(), button = NULL, list = NULL;
    int tries;
    if (!w) { printf("no help window\n"); return NULL; }
    *sheet = NULL;
    EnumWindows(find_sheet, (LPARAM)sheet);
    if (!*sheet) {
        EnumChildWindows(w, find_index_button, (LPARAM)&button);
        if (!button) { printf("no Index button\n"); return NULL; }
        PostMessageA(button, BM_CLICK, 0, 0); /* opens a modal sheet: post, never send */
    }
    for (tries = 0; tries < 300; tries++) {
        if (!*sheet) EnumWindows(find_sheet, (LPARAM)sheet);
        if (*sheet) EnumChildWindows(*sheet, find_listbox, (LPARAM)&list);
        if (list && SendMessageW(list, LB_GETCOUNT, 0, 0) > 0) {
            printf("the index lists %ld keywords\n", (long)SendMessageW(list, LB_GETCOUNT, 0, 0));
            return list;
        }
        Sleep(100);
    }
    printf("the index did not open or is empty\n");
    return NULL;
}

static int choose_keyword(const char *keyword, const char *title)
{
    HWND sheet, list = index_list(&sheet);
    LRESULT item;
    if (!list) return 1;
    item = SendMessageW(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)wide(keyword));
    if (item == LB_ERR) { printf("keyword %s not in the index\n", keyword); return 1; }
    SendMessageW(list, LB_SETCURSEL, item, 0);
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return wait_for_topic(title);
}

static int click_link(const char *label, const char *title)
{
    static WCHAR text[65536];
    WCHAR *at;
    HWND edit;
    LRESULT pos;
    int x, y;
    if (!topic_text(text, 65536)) { printf("no help window\n"); return 1; }
    at = wcsstr(text, wide(label));
    if (!at) { printf("no jump %s in the topic\n", label); return 1; }
    edit = GetDlgItem(viewer(), TEXT_ID);
    pos = SendMessageW(edit, EM_POSFROMCHAR, (WPARAM)(at - text) + 1, 0);
    x = (short)LOWORD(pos) + 2;
    y = (short)HIWORD(pos) + 4;
    PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    return wait_for_topic(title);
}

int main(int argc, char **argv)
{
    if (argc == 4 && !strcmp(argv[1], "finder")) {
        if (!WinHelpA(owner(), argv[2], HELP_FINDER, 0)) { printf("WinHelp failed\n"); return 1; }
        return wait_for_topic(argv[3]);
    }
    if (argc == 5 && !strcmp(argv[1], "context")) {
        if (!WinHelpA(owner(), argv[2], HELP_CONTEXT, atoi(argv[3]))) { printf("WinHelp failed\n"); return 1; }
        return wait_for_topic(argv[4]);
    }
    if (argc == 2 && !strcmp(argv[1], "index")) {
        HWND sheet;
        return !index_list(&sheet);
    }
    if (argc == 4 && !strcmp(argv[1], "keyword")) return choose_keyword(argv[2], argv[3]);
    if (argc == 4 && !strcmp(argv[1], "link")) return click_link(argv[2], argv[3]);
    if (argc == 3 && !strcmp(argv[1], "wait")) return wait_for_topic(argv[2]);
    if (argc == 3 && !strcmp(argv[1], "quit")) return !WinHelpA(owner(), argv[2], HELP_QUIT, 0);
    fprintf(stderr, "usage: see the top of check-help-driver.c\n");
    return 2;
}
