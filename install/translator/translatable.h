#pragma once
// What the translator asks of a form's components. The UI layer implements it over real
// controls; a form, its labels, buttons, memos, lists and the components they own each
// answer for themselves.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace install {

struct TFontSpec {
    std::string Name;
    int Height = 0;  // in pixels, negative for a character height, as a font is created
    int Size = 0;    // in points
    std::uint8_t Charset = 1;
    bool operator==(const TFontSpec&) const = default;
};

class Translatable {
public:
    enum class Kind { Form, Image, Label, WindowedControl, OtherControl, NonVisual };
    virtual ~Translatable() = default;

    [[nodiscard]] virtual Kind ComponentKind() const = 0;
    // A label or bitmap button that carries a text number (GLID > 0) is translated by it.
    [[nodiscard]] virtual int GLID() const { return 0; }
    [[nodiscard]] virtual bool HasGLID() const { return false; }
    [[nodiscard]] virtual std::string Caption() const { return {}; }
    virtual void SetCaption(const std::string&) {}

    // Controls: visibility, a label's auto-size, and realigning a windowed control.
    [[nodiscard]] virtual bool Visible() const { return true; }
    virtual void SetVisible(bool) {}
    [[nodiscard]] virtual bool AutoSize() const { return false; }
    virtual void SetAutoSize(bool) {}
    virtual void Realign() {}

    // Every published string property, by name ("Caption", "Hint", "Name" ...).
    [[nodiscard]] virtual std::vector<std::pair<std::string, std::string>> StringProperties() const { return {}; }
    virtual void SetStringProperty(const std::string&, const std::string&) {}
    // A memo's lines.
    [[nodiscard]] virtual bool IsMemo() const { return false; }
    [[nodiscard]] virtual std::vector<std::string> MemoLines() const { return {}; }
    virtual void SetMemoLines(const std::vector<std::string>&) {}
    // The column captions of a list view, the items of a list box, combo box or radio group.
    [[nodiscard]] virtual std::vector<std::string> Items() const { return {}; }
    virtual void SetItem(std::size_t, const std::string&) {}

    [[nodiscard]] virtual std::vector<Translatable*> OwnedComponents() const { return {}; }
};

// A control whose font follows the language, with its child controls.
class FontTarget {
public:
    virtual ~FontTarget() = default;
    [[nodiscard]] virtual TFontSpec Font() const = 0;
    virtual void SetFont(const TFontSpec& font) = 0;
    [[nodiscard]] virtual std::vector<FontTarget*> ChildControls() const { return {}; }
};

}  // namespace install
