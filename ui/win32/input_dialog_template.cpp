#include "ui/win32/input_dialog_template.h"

namespace qn::ui::win32 {

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

void PutDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void PutText(std::vector<WORD>& out, const char* text) {
    for (; *text != '\0'; ++text) out.push_back(static_cast<WORD>(*text));
    out.push_back(0);
}

void AlignToDword(std::vector<WORD>& out) {
    if (out.size() % 2 != 0) out.push_back(0);
}

void PutItem(std::vector<WORD>& out, DWORD style, short x, short y, short cx, short cy, WORD id,
             WORD windowClass) {
    AlignToDword(out);
    PutDword(out, style | WS_CHILD | WS_VISIBLE);
    PutDword(out, 0);  // extended style
    for (short value : {x, y, cx, cy}) out.push_back(static_cast<WORD>(value));
    out.push_back(id);
    out.push_back(0xFFFF);
    out.push_back(windowClass);
    out.push_back(0);  // no text
    out.push_back(0);  // no creation data
}

}  // namespace

std::vector<WORD> InputDialogTemplate() {
    std::vector<WORD> out;
    PutDword(out, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    PutDword(out, 0);  // extended style
    out.push_back(4);  // items
    for (short value : {0, 0, 240, 76}) out.push_back(static_cast<WORD>(value));
    out.push_back(0);  // no menu
    out.push_back(0);  // standard class
    out.push_back(0);  // title set later
    out.push_back(8);  // font size
    PutText(out, "MS Sans Serif");
    PutItem(out, SS_LEFT, 7, 7, 170, 42, kInputPromptId, kStaticClass);
    PutItem(out, BS_DEFPUSHBUTTON | WS_TABSTOP, 185, 7, 48, 14, IDOK, kButtonClass);
    PutItem(out, BS_PUSHBUTTON | WS_TABSTOP, 185, 24, 48, 14, IDCANCEL, kButtonClass);
    PutItem(out, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 55, 226, 13, kInputTextId, kEditClass);
    return out;
}

}  // namespace qn::ui::win32
