#pragma once
// The pie chart as a control of the component framework: a custom control whose paint,
// mouse and mouse-leave handlers drive the engine, and which gives the engine its screen
// surface, screen coordinates, desktop area and hint window.

#include <memory>

#include "chart/ChartHost.h"
#include "chart/TSCPie.h"
#include "vcl/TCustomControl.h"
#include "vcl/THintWindow.h"

namespace chart {

// The hint window: the framework's hint window painting marked-up text.
class TSCHintWindowControl : public vcl::THintWindow {
public:
    explicit TSCHintWindowControl(vcl::TComponent* owner) : vcl::THintWindow(owner) {}

protected:
    void Paint() override;
};

class TSCPieControl : public vcl::TCustomControl, private ChartHost {
public:
    explicit TSCPieControl(vcl::TComponent* owner);
    ~TSCPieControl() override;

    // The engine with every property, operation and event of the chart. Font and
    // ShowHint are the control's own (Font(), SetShowHint): the control hands them on, so
    // ParentFont and ParentShowHint work as for any control.
    TSCPie& Chart() { return chart_; }
    const TSCPie& Chart() const { return chart_; }

    void SetBounds(int left, int top, int width, int height) override;
    // Hides the framework's setter so the chart's hover machinery follows it.
    void SetShowHint(bool on);

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;
    void MouseMove(vcl::TShiftState shift, int x, int y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void FontChanged() override;
    void ParentShowHintChanged() override;
    void Loaded() override;

private:
    void InvalidateChart() override { Invalidate(); }
    gfx::Canvas* ChartScreenCanvas() override;
    TPoint ChartClientToScreen(TPoint client) override { return ClientToScreen(client); }
    TRect DesktopWorkArea() override;
    void ShowHintWindow(TSCHintWindow& window) override;
    void HideHintWindow(TSCHintWindow& window) override;
    gfx::FontSpec HintFont() override;
    void SyncShowHint() { chart_.SetShowHint(ShowHint()); }

    TSCPie chart_;
    TSCHintWindowControl* hintWindow_ = nullptr;  // owned by this control while shown
};

}  // namespace chart
