// The [main] keys in a panel of their own: the picture, the product's name,
// the version text, its face and place, the licence folder and drawing at the
// display's scale.
#pragma once

#include "design_session.h"
#include "key_edit.h"
#include "pane_window.h"

#include <array>

class MainSettingsPanel : public PaneWindow {
public:
    explicit MainSettingsPanel(DesignSession& session) : PaneWindow(session) {}

    void Refresh();

protected:
    void OnCreate() override;
    int Layout(int width, int height, int top) override;
    KeyEdit* FindEdit(int id) override;
    void OnCommand(int id, int code, HWND control) override;

private:
    struct Field {
        HWND label = nullptr;
        KeyEdit edit;
    };
    void WriteDpiScaling();

    std::array<Field, 7> m_fields;
    HWND m_dpiScaling = nullptr;
};
