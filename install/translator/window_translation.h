#pragma once
// The translator over real windows: a form (a top-level window or dialog) and its controls
// seen as Translatable components and FontTargets. Labels and bitmap buttons that carry a
// text number are marked with SetControlGLID.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "install/translator/translatable.h"

namespace install {

// Marks a label or button as translated by its text number (a "GLID" window property).
void SetControlGLID(HWND control, int glid);
int ControlGLID(HWND control);

class WindowComponent final : public Translatable, public FontTarget {
public:
    // A form and, lazily, the controls inside it. The fonts it makes live as long as the
    // outermost component.
    explicit WindowComponent(HWND window);
    ~WindowComponent() override;
    WindowComponent(const WindowComponent&) = delete;
    WindowComponent& operator=(const WindowComponent&) = delete;

    [[nodiscard]] HWND handle() const { return window_; }

    // Translatable
    [[nodiscard]] Kind ComponentKind() const override;
    [[nodiscard]] int GLID() const override { return ControlGLID(window_); }
    [[nodiscard]] bool HasGLID() const override;
    [[nodiscard]] std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    [[nodiscard]] bool Visible() const override;
    void SetVisible(bool visible) override;
    void Realign() override;
    [[nodiscard]] std::vector<std::pair<std::string, std::string>> StringProperties() const override;
    void SetStringProperty(const std::string& name, const std::string& value) override;
    [[nodiscard]] bool IsMemo() const override;
    [[nodiscard]] std::vector<std::string> MemoLines() const override;
    void SetMemoLines(const std::vector<std::string>& lines) override;
    [[nodiscard]] std::vector<std::string> Items() const override;
    void SetItem(std::size_t index, const std::string& text) override;
    [[nodiscard]] std::vector<Translatable*> OwnedComponents() const override;

    // FontTarget
    [[nodiscard]] TFontSpec Font() const override;
    void SetFont(const TFontSpec& font) override;
    [[nodiscard]] std::vector<FontTarget*> ChildControls() const override;

private:
    struct FontStore;
    WindowComponent(HWND window, std::shared_ptr<FontStore> fonts);
    [[nodiscard]] std::string ClassName() const;
    const std::vector<std::unique_ptr<WindowComponent>>& Children() const;

    HWND window_;
    std::shared_ptr<FontStore> fonts_;
    mutable std::vector<std::unique_ptr<WindowComponent>> children_;
    mutable bool childrenRead_ = false;
};

}  // namespace install
