// The gallery's form files, loaded and read back for their items' names.
#include "item_table.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "forms_text.h"

namespace gallery {
namespace {

const char* const kFiles[] = {"gallery.forms", "details.forms", "orders.forms"};
std::string formsFolder;

std::string FileText(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
      text.append(buffer, read);
    std::fclose(file);
  }
  return text;
}

// The texts of the forms as they are now: a watched file may have been saved since.
std::string FormsText() {
  if (formsFolder.empty()) return std::string(kGalleryForms) + kDetailsForms + kOrdersForms;
  std::string text;
  for (const char* file : kFiles) text += FileText(formsFolder + "/" + file) + "\n";
  return text;
}

// The line's first count words, separated by blanks; empty texts for those it lacks. Read
// by hand: a string stream would bring the runtime's whole locale machinery into the program.
std::vector<std::string> FirstWords(const std::string& line, std::size_t count) {
  std::vector<std::string> words(count);
  std::size_t at = 0;
  for (std::string& word : words) {
    at = line.find_first_not_of(" \t\r", at);
    if (at == std::string::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
    word = line.substr(at, end - at);
    at = end;
  }
  return words;
}

}  // namespace

ErrorCode LoadForms(const std::string& folder) {
  formsFolder = folder;
  ErrorCode first = 0;
  if (folder.empty()) {
    const char* const texts[] = {kGalleryForms, kDetailsForms, kOrdersForms};
    for (int i = 0; i < 3; ++i) {
      const ErrorCode code = FX_FormTextLoad(texts[i], kFiles[i]);
      if (first == 0) first = code;
    }
    return first;
  }
  for (const char* file : kFiles) {
    const std::string path = folder + "/" + file;
    ErrorCode code = FX_FormFileLoad(path);
    if (code == 0) code = FX_FormFileWatch(path, true);
    if (first == 0) first = code;
  }
  return first;
}

ItemTable ItemsOf(const std::string& formName) {
  ItemTable items;
  std::string current;
  const std::string text = FormsText();
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::vector<std::string> words = FirstWords(text.substr(start, end - start), 3);
    start = end + 1;
    if (words[0] == "form") current = words[1];
    if (words[0] == "item" && current == formName)
      items.push_back({words[1], words[2], static_cast<int>(items.size()) + 1});
  }
  return items;
}

int ControlIdOf(const ItemRow& row) {
  const bool drawnArea = row.type == fx::item::STATIC || row.type == fx::item::RECT;
  return drawnArea ? 0 : row.sequence + 101;
}

}  // namespace gallery
