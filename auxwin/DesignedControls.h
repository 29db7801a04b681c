#pragma once

#include <QString>

#include <map>
#include <span>

class QWidget;

// The controls of an auxiliary window, built from the design's table as the main window's are:
// captions and twip geometry.
namespace auxwin {

enum class ControlKind { Label, WrappedLabel, Button, CaptionButton, Combo, Radio, LineEdit };

struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* caption;  // a caption known only at run time is set by the window
    int left, top, width, height;
};

// Made in the table's order, so a later control lies above an earlier one where they overlap.
class DesignedControls {
public:
    DesignedControls(QWidget* window, std::span<const ControlDesign> table);

    template <typename T>
    T* get(const QString& name) const {
        return static_cast<T*>(made_.at(name));
    }

private:
    std::map<QString, QWidget*> made_;
};

}  // namespace auxwin
