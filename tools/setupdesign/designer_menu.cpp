#include "designer_menu.h"

#include "design_commands.h"

#include <iterator>

namespace {

struct Item {
    int command; // 0: a separator
    const char* text;
};

HMENU Popup(std::initializer_list<Item> items) {
    HMENU menu = ::CreatePopupMenu();
    for (const Item& item : items)
        if (item.command == 0)
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.command), item.text);
    return menu;
}

} // namespace

HMENU CreateDesignerMenu(HMENU& languages) {
    HMENU bar = ::CreateMenu();
    ::AppendMenuA(bar, MF_POPUP,
                  reinterpret_cast<UINT_PTR>(Popup({{kCmdOpen, "&Open folder...\tCtrl+O"},
                                                    {kCmdSave, "&Save\tCtrl+S"},
                                                    {0, nullptr},
                                                    {kCmdRun, "&Run the launcher\tF5"},
                                                    {0, nullptr},
                                                    {kCmdExit, "E&xit\tAlt+F4"}})),
                  "&File");
    ::AppendMenuA(
        bar, MF_POPUP,
        reinterpret_cast<UINT_PTR>(Popup({{kCmdUndo, "&Undo\tCtrl+Z"},
                                          {kCmdRedo, "&Redo\tCtrl+Y"},
                                          {0, nullptr},
                                          {kCmdDelete, "&Delete button\tDel"},
                                          {kCmdSelectAll, "Select &all buttons\tCtrl+A"}})),
        "&Edit");
    ::AppendMenuA(
        bar, MF_POPUP,
        reinterpret_cast<UINT_PTR>(Popup({{kCmdAddButton, "Add &button\tCtrl+B"},
                                          {kCmdButtonEarlier, "Move button &earlier\tCtrl+PgUp"},
                                          {kCmdButtonLater, "Move button &later\tCtrl+PgDn"},
                                          {0, nullptr},
                                          {kCmdAlignLeft, "Align &left edges"},
                                          {kCmdAlignRight, "Align &right edges"},
                                          {kCmdAlignTop, "Align &top edges"},
                                          {kCmdAlignBottom, "Align b&ottom edges"},
                                          {kCmdAlignCentres, "Align &centres"},
                                          {kCmdAlignMiddles, "Align &middles"},
                                          {kCmdSameSize, "Make same &size"},
                                          {0, nullptr},
                                          {kCmdAddForm, "Add &form"},
                                          {kCmdDeleteForm, "&Delete form"}})),
        "&Layout");
    ::AppendMenuA(
        bar, MF_POPUP,
        reinterpret_cast<UINT_PTR>(Popup({{kCmdZoomIn, "Zoom &in\tCtrl++"},
                                          {kCmdZoomOut, "Zoom &out\tCtrl+-"},
                                          {kCmdZoomActual, "&Actual size\tCtrl+0"},
                                          {0, nullptr},
                                          {kCmdNextPane, "&Next pane\tF6"},
                                          {kCmdPreviousPane, "&Previous pane\tShift+F6"}})),
        "&View");
    languages = ::CreatePopupMenu();
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(languages), "L&anguage");
    return bar;
}

HACCEL CreateDesignerAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'O', kCmdOpen},
        {FVIRTKEY | FCONTROL, 'S', kCmdSave},
        {FVIRTKEY, VK_F5, kCmdRun},
        {FVIRTKEY | FCONTROL, 'Z', kCmdUndo},
        {FVIRTKEY | FCONTROL, 'Y', kCmdRedo},
        {FVIRTKEY | FCONTROL | FSHIFT, 'Z', kCmdRedo},
        {FVIRTKEY | FCONTROL, 'A', kCmdSelectAll},
        {FVIRTKEY | FCONTROL, 'B', kCmdAddButton},
        {FVIRTKEY | FCONTROL, VK_PRIOR, kCmdButtonEarlier},
        {FVIRTKEY | FCONTROL, VK_NEXT, kCmdButtonLater},
        {FVIRTKEY | FCONTROL, VK_OEM_PLUS, kCmdZoomIn},
        {FVIRTKEY | FCONTROL, VK_ADD, kCmdZoomIn},
        {FVIRTKEY | FCONTROL, VK_OEM_MINUS, kCmdZoomOut},
        {FVIRTKEY | FCONTROL, VK_SUBTRACT, kCmdZoomOut},
        {FVIRTKEY | FCONTROL, '0', kCmdZoomActual},
        {FVIRTKEY, VK_F6, kCmdNextPane},
        {FVIRTKEY | FSHIFT, VK_F6, kCmdPreviousPane},
    };
    return ::CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys)));
}
