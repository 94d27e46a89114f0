#include "install/translator/translator.h"

#include <algorithm>

#include "install/framework/exceptions.h"
#include "install/framework/strings.h"
#include "install/translator/translate_string.h"

namespace install {

namespace {

TTranslator* gMainTranslator = nullptr;

constexpr const char* kBadLine = "The %d'th string (%s) does not have the proper format of GLID;Text";
constexpr const char* kBadGLID = "The %d'th string (%s) does not have the proper format of GLID;Text or .GLID;";
constexpr const char* kUnrecognized = "Unrecognized language";

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The GLID before the first ";" of a table line (without the memo's "#").
int ParseGLID(const std::string& field, int lineIndex, const std::string& line) {
    const std::string trimmed = Trim(field);
    if (trimmed.empty())
        throw ETranslator(kBadLine, {std::int64_t{lineIndex}, line});
    int glid = 0;
    if (!TryParseInt(trimmed, glid))
        throw ETranslator(kBadGLID, {std::int64_t{lineIndex}, line});
    return glid;
}

}  // namespace

// ---- TLangFormatStrings -----------------------------------------------------------------

void TLangFormatStrings::Changed() {
    if (language_.ParseOnChange()) language_.Parse();
}

void TLangFormatStrings::Add(const std::string& line) {
    lines_.push_back(line);
    Changed();
}

void TLangFormatStrings::Insert(int index, const std::string& line) {
    index = std::clamp(index, 0, Count());
    lines_.insert(lines_.begin() + index, line);
    Changed();
}

void TLangFormatStrings::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    lines_.erase(lines_.begin() + index);
    Changed();
}

void TLangFormatStrings::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    std::string line = std::move(lines_[static_cast<std::size_t>(from)]);
    lines_.erase(lines_.begin() + from);
    lines_.insert(lines_.begin() + to, std::move(line));
    Changed();
}

void TLangFormatStrings::Clear() {
    lines_.clear();
    Changed();
}

void TLangFormatStrings::Assign(const std::vector<std::string>& lines) {
    const bool wasOn = language_.ParseOnChange();
    language_.SetParseOnChange(false);
    lines_ = lines;
    language_.SetParseOnChange(wasOn);
    if (wasOn) language_.Parse();
}

void TLangFormatStrings::LoadFromText(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    Assign(lines);
}

// ---- TLanguage ----------------------------------------------------------------------------

TLanguage::TLanguage(TAmblLanguage ident, const LanguageData& data)
    : ident_(ident), data_(data), strings_(*this) {}

void TLanguage::SetParseOnChange(bool on) { parseOnChange_ = on; }

void TLanguage::Parse() {
    parsedStrings_.clear();
    parsedMemos_.clear();
    std::vector<TLanguageString> strings;
    std::vector<TLanguageMemo> memos;
    bool inMemo = false;
    int memoGLID = 0, memoLine = 0;
    std::vector<std::string> memoLines;
    const auto& lines = strings_.Lines();
    for (int index = 0; index < static_cast<int>(lines.size()); ++index) {
        const std::string line = Trim(lines[static_cast<std::size_t>(index)]);
        if (line.empty()) continue;
        if (line == "#") {
            if (!inMemo)
                throw ETranslator("Found the end of memo marker # at line %d. Was not in a memo however",
                                  {std::int64_t{index}});
            memos.emplace_back(this, memoGLID, memoLine, std::move(memoLines));
            memoLines.clear();
            inMemo = false;
            continue;
        }
        if (line.front() == '*') continue;
        if (!inMemo && line.front() == '#') {
            memoGLID = ParseGLID(BeforeSemicolon(line.substr(1)), index, line);
            memoLine = index;
            memoLines.clear();
            inMemo = true;
            continue;
        }
        if (inMemo) {
            memoLines.push_back(line);
            continue;
        }
        const int glid = ParseGLID(BeforeSemicolon(line), index, line);
        const std::size_t semicolon = line.find(';');
        const std::string text =
            semicolon == std::string::npos ? std::string() : Trim(BeforeSemicolon(line.substr(semicolon + 1)));
        if (text.empty())
            throw ETranslator(kBadLine, {std::int64_t{index}, line});
        strings.emplace_back(this, glid, index, text);
    }
    parsedStrings_ = std::move(strings);
    parsedMemos_ = std::move(memos);
}

const TLanguageString* TLanguage::FindString(int glid) const {
    for (const TLanguageString& s : parsedStrings_)
        if (s.GLID() == glid) return &s;
    return nullptr;
}

const TLanguageMemo* TLanguage::FindMemo(int glid) const {
    for (const TLanguageMemo& m : parsedMemos_)
        if (m.GLID() == glid) return &m;
    return nullptr;
}

// ---- TTranslator --------------------------------------------------------------------------

TTranslator::TTranslator(TComponent* owner) : TComponent(owner) {
    for (int i = 0; i < kTranslatorLanguageCount; ++i) {
        const LanguageData& data = LanguageDataAt(i);
        languages_.push_back(std::make_unique<TLanguage>(data.ident, data));
        order_.push_back(languages_.back().get());
    }
    if (!gMainTranslator) gMainTranslator = this;
}

TTranslator::~TTranslator() {
    if (gMainTranslator == this) gMainTranslator = nullptr;
}

TTranslator* TTranslator::Main() { return gMainTranslator; }

TLanguage& TTranslator::Language(TAmblLanguage ident) {
    for (TLanguage* language : order_)
        if (language->LanguageIdent() == ident) return *language;
    throw ETranslator(kUnrecognized);
}

void TTranslator::SetTranslateIntoLanguage(TAmblLanguage language) {
    into_ = language;
    if (OnLanguageChange) OnLanguageChange(*this);
}

TLanguage* TTranslator::LanguageOf(TAmblLanguage ident) {
    if (ident == TAmblLanguage::alUser) {
        const TAmblLanguage resolved = LanguageOfLangId(UserLanguageId ? UserLanguageId() : 0x409);
        if (resolved == TAmblLanguage::alUser) return nullptr;
        ident = resolved;
    }
    for (TLanguage* language : order_)
        if (language->LanguageIdent() == ident) return language;
    return nullptr;
}

std::string TTranslator::DisplayNameOf(TAmblLanguage ident) {
    if (ident == TAmblLanguage::alUser) {
        const TAmblLanguage resolved = LanguageOfLangId(UserLanguageId ? UserLanguageId() : 0x409);
        if (resolved == TAmblLanguage::alUser)
            throw ETranslator(
                "Recursion about to happen in the LangIdToString procedure in the cmp_TTranslator unit");
        return DisplayNameOf(resolved);
    }
    const LanguageData* data = FindLanguageData(ident);
    if (!data) throw ETranslator(kUnrecognized);
    return data->displayName;
}

std::string TTranslator::TranslateByGLID(int glid, const std::string& text) {
    const TLanguage* target = CurrentLanguage();
    if (!target) return text;
    const TLanguageString* entry = target->FindString(glid);
    return entry ? entry->Text : text;
}

std::string TTranslator::TranslateText(TAmblLanguage from, const std::string& text) {
    const TLanguage* source = LanguageOf(from);
    if (!source) return text;
    for (const TLanguageString& entry : source->ParsedStrings())
        if (SameText(entry.Text, text)) return TranslateByGLID(entry.GLID(), text);
    return text;
}

std::vector<std::string> TTranslator::TranslateMemo(TAmblLanguage from,
                                                    const std::vector<std::string>& lines) {
    const TLanguage* source = LanguageOf(from);
    const TLanguage* target = CurrentLanguage();
    if (!source || !target) return lines;
    const std::string wanted = JoinLines(lines);
    for (const TLanguageMemo& memo : source->ParsedMemos()) {
        if (JoinLines(memo.Lines) != wanted) continue;
        const TLanguageMemo* translated = target->FindMemo(memo.GLID());
        return translated ? translated->Lines : lines;
    }
    return lines;
}

void TTranslator::TranslateOne(TAmblLanguage from, Translatable& c) {
    if (c.HasGLID() && c.GLID() > 0) {
        c.SetCaption(TranslateByGLID(c.GLID(), c.Caption()));
        return;
    }
    for (const auto& [name, value] : c.StringProperties()) {
        if (SameText(name, "NAME") || Trim(value).empty()) continue;
        c.SetStringProperty(name, TranslateText(from, value));
    }
    if (c.IsMemo()) c.SetMemoLines(TranslateMemo(from, c.MemoLines()));
    const std::vector<std::string> items = c.Items();
    for (std::size_t i = 0; i < items.size(); ++i) c.SetItem(i, TranslateText(from, items[i]));
}

TAmblLanguage TTranslator::TranslateComponent(TAmblLanguage from, Translatable* component) {
    if (!component) return from;
    Translatable& c = *component;
    const Translatable::Kind kind = c.ComponentKind();
    const bool isControl = kind != Translatable::Kind::NonVisual;
    const bool hides = isControl && kind != Translatable::Kind::Form && kind != Translatable::Kind::Image;
    const bool wasVisible = c.Visible();
    if (hides) c.SetVisible(false);
    const bool isLabel = kind == Translatable::Kind::Label;
    const bool wasAutoSize = isLabel && c.AutoSize();
    if (isLabel) c.SetAutoSize(false);

    TranslateOne(from, c);
    for (Translatable* owned : c.OwnedComponents())
        if (owned && owned->ComponentKind() != Translatable::Kind::Form) TranslateComponent(from, owned);

    const TLanguage* target = CurrentLanguage();
    const TAmblLanguage result = !target || target->Strings().Count() == 0 ? from : into_;
    if (isLabel) c.SetAutoSize(wasAutoSize);
    if (hides) c.SetVisible(wasVisible);
    if (kind == Translatable::Kind::WindowedControl || kind == Translatable::Kind::Form) c.Realign();
    return result;
}

TAmblLanguage TTranslator::TranslateComponentInto(TAmblLanguage from, TAmblLanguage into,
                                                  Translatable* component) {
    const TAmblLanguage saved = into_;
    into_ = into;
    struct Restore {
        TTranslator& self;
        TAmblLanguage saved;
        ~Restore() { self.into_ = saved; }
    } restore{*this, saved};
    return TranslateComponent(from, component);
}

void TTranslator::ApplyFontTree(const TLanguage& language, FontTarget& control) {
    const LanguageData* data = FindLanguageData(language.LanguageIdent());
    if (!data) throw ETranslator(kUnrecognized);
    if (language.FontOverride) {
        control.SetFont(language.Font);
    } else {
        TFontSpec font = control.Font();
        font.Charset = data->charset;
        font.Name = data->faceName;
        if (font.Size < data->minimumSize) {
            // Height follows the size at the usual 96 dots per inch.
            font.Size = data->minimumSize;
            font.Height = -(data->minimumSize * 96 + 36) / 72;
        }
        control.SetFont(font);
    }
    for (FontTarget* child : control.ChildControls())
        if (child) ApplyFontTree(language, *child);
}

void TTranslator::ApplyLanguageFont(FontTarget& control, bool keep) {
    // alUser and values outside the enumeration have no face of their own.
    if (!FindLanguageData(into_))
        throw ETranslator(kUnrecognized);
    TLanguage* language = CurrentLanguage();
    if (!language) return;
    if (language->Strings().Count() == 0 && !keep) language = &lgEnglish();
    ApplyFontTree(*language, control);
}

void TTranslator::ApplyLanguageFontInto(TAmblLanguage into, FontTarget& control, bool keep) {
    const TAmblLanguage saved = into_;
    into_ = into;
    struct Restore {
        TTranslator& self;
        TAmblLanguage saved;
        ~Restore() { self.into_ = saved; }
    } restore{*this, saved};
    ApplyLanguageFont(control, keep);
}

// ---- program-wide --------------------------------------------------------------------------

std::string TranslateString(const std::string& text) {
    TTranslator* main = TTranslator::Main();
    return main ? main->TranslateText(TAmblLanguage::alEnglish, text) : text;
}

TAmblLanguage TranslateComponent(TAmblLanguage from, Translatable* component) {
    TTranslator* main = TTranslator::Main();
    return main ? main->TranslateComponent(from, component) : from;
}

TAmblLanguage TranslateComponentInto(TAmblLanguage from, TAmblLanguage into, Translatable* component) {
    TTranslator* main = TTranslator::Main();
    return main ? main->TranslateComponentInto(from, into, component) : from;
}

void ApplyLanguageFont(FontTarget& control, bool keep) {
    if (TTranslator* main = TTranslator::Main()) main->ApplyLanguageFont(control, keep);
}

}  // namespace install
