// TVoLanguagesStore, the program's list of languages, and TVoLanguager, the translator each
// window owns: it collects the window's text properties once and sets those a table names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeb {

class TVoLanguagesStore {
 public:
  const std::string& DefaultLang() const { return defaultLang_; }
  void setDefaultLang(std::string_view language) { defaultLang_ = language; }
  const std::vector<std::string>& LanguagesDefines() const { return languages_; }
  void setLanguagesDefines(std::vector<std::string> languages) { languages_ = std::move(languages); }
  // Where a generated source unit of the languages would go; kept only.
  const std::string& LanguagesPasUnit() const { return pasUnit_; }
  void setLanguagesPasUnit(std::string_view path) { pasUnit_ = path; }

 private:
  std::string defaultLang_ = "ita";
  std::vector<std::string> languages_ = {"eng", "fre", "ger", "ita"};
  std::string pasUnit_;
};

// Menu items and windows offer only caption, text and hint for translation.
enum class ComponentRole { window, menuItem, other };

// One component of a window with the text-bearing properties it has, lower case
// ("caption", "hint", "items", ...).
struct TextComponent {
  std::string name;
  ComponentRole role = ComponentRole::other;
  std::vector<std::string> properties;
};

// What a translator needs of its window.
class TranslatableWindow {
 public:
  virtual ~TranslatableWindow() = default;
  // The window itself, then every component it owns, in ownership order; translators are
  // left out.
  virtual std::vector<TextComponent> textComponents() const = 0;
  // Gives the property its text (Windows-1252). May throw; the translator goes on.
  virtual void setText(std::string_view component, std::string_view property, std::string_view text) = 0;
};

class TVoLanguager {
 public:
  explicit TVoLanguager(TranslatableWindow& window) : window_(window) {}

  TVoLanguagesStore* LanguagesStore() const { return store_; }
  void setLanguagesStore(TVoLanguagesStore* store) { store_ = store; }

  // Applies a table: the window's properties are collected the first time; each whose key
  // the table holds receives its text. A property whose value names one of the window's
  // components (its name and a full stop) keeps its value, as does one the table lacks.
  // Errors never stop the window from opening: one property failing leaves the others.
  void setLocalizationString(std::string_view table);

  // The collected properties, "component.property".
  std::vector<std::string> PropertiesList() const;

 private:
  struct Path {
    std::string component;
    std::string property;
  };
  void collect();

  TranslatableWindow& window_;
  TVoLanguagesStore* store_ = nullptr;
  std::vector<Path> paths_;
  std::vector<std::string> componentNames_;
  std::vector<std::string> lines_;
  bool collected_ = false;
};

}  // namespace zeb
