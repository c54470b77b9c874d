// What the settings sheet's pages share: the record they edit through SettingsHooks, a refresh
// (record to controls) that never runs a handler, and tables binding check boxes, colour buttons,
// drop-down lists and the reset button to the record. A page keeps its table and its own cases.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "dialogs/SettingsHooks.h"
#include "framework/PropertyPage.h"
#include "settings/SkinSettings.h"

class CSettingsPage : public fw::PropertyPage {
  public:
    // What follows a change made on a bound control.
    enum class After { kNothing, kRecompose, kRefresh };

    // A check box and the flag it edits; `enables` are the controls enabled exactly while the flag
    // is set.
    struct CheckBox {
        UINT id;
        int32_t SkinSettings::*flag;
        After after;
        std::span<const UINT> enables = {};
    };
    // A colour button; a marker colour of the templates rebuilds them first.
    struct ColorButton {
        UINT id;
        SkinColorValue SkinSettings::*color;
        bool marker;
    };
    // A drop-down list whose entry index is the field's value.
    struct DropDown {
        UINT id;
        int32_t SkinSettings::*field;
        After after;
        std::span<const char* const> entries;
    };
    // When Refresh runs of itself: as the page's window initialises, as the page becomes the
    // visible one.
    enum RefreshWhen : unsigned { kOnInit = 1, kOnActivation = 2, kOnInitAndActivation = 3 };
    struct Bindings {
        unsigned refreshWhen;
        std::span<const CheckBox> checkBoxes;
        std::span<const ColorButton> colorButtons;
        std::span<const DropDown> dropDowns;
        // The reset button: the record's reset of this page, then a refresh; the templates rebuilt
        // and the preview recomposed when `redraws`.
        UINT resetId;
        void (SkinSettings::*reset)();
        bool redraws;
    };

    // Record to controls; never runs a handler.
    void Refresh();

  protected:
    CSettingsPage(int templateId, SettingsHooks& hooks, const Bindings& bindings);

    // The page's own controls: set up before the first refresh, filled at the end of every one.
    virtual void InitPageControls() {}
    virtual void RefreshPageControls(const SkinSettings&) {}
    // A click on none of the bound controls; never called during a refresh.
    virtual bool OnPageClick(UINT) { return false; }

    bool OnInitDialog() final;
    bool OnSetActive() final;
    bool OnCommand(UINT id, UINT code, HWND control) final;

    SettingsHooks& m_hooks;

  private:
    void Follow(After after);

    const Bindings& m_bindings;
    bool m_bRefreshing = false;
};
