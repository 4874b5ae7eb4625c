#pragma once
// The small displays around the view that the game updates while it runs.
namespace tsn {

class PanelDisplay {
public:
    virtual ~PanelDisplay() = default;
    virtual void ShowInfotronsNeeded(int value) = 0;
    virtual void ShowSteps(int value) = 0;
    virtual void ShowRedDiskCount(int value) = 0;
    virtual void ClearRedDiskCount() = 0;
};

}  // namespace tsn
