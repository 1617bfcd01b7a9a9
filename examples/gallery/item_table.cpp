// The gallery's form files, loaded and read back for their items' names.
#include "item_table.h"

#include <cstdio>
#include <sstream>

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
  std::istringstream lines(FormsText());
  std::string line, current;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string keyword, name, type;
    words >> keyword >> name >> type;
    if (keyword == "form") current = name;
    if (keyword == "item" && current == formName)
      items.push_back({name, type, static_cast<int>(items.size()) + 1});
  }
  return items;
}

int ControlIdOf(const ItemRow& row) {
  const bool drawnArea = row.type == fx::item::STATIC || row.type == fx::item::RECT;
  return drawnArea ? 0 : row.sequence + 101;
}

}  // namespace gallery
