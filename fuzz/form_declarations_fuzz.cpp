// Declares and changes the items of forms from a stream of calls: FX_FormItemAdd with
// fuzzed names, types, numbers and property strings, FX_FormItemSet and FX_FormItemGet
// with fuzzed keys and values. No form is created, so no control exists and the platform
// is the stub table. Checked: a refused declaration leaves no record and an accepted one
// is recorded as declared; a value a key accepted reads back in a form the key takes
// again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Reads the input front to back; past its end every read gives 0 or the empty text.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool more() const { return at_ < size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::int32_t number() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | byte();
    return static_cast<std::int32_t>(value);
  }
  // A text of up to 255 bytes, any bytes.
  std::string text() {
    std::string t;
    for (std::size_t n = byte(); n > 0 && more(); --n) t += static_cast<char>(byte());
    return t;
  }
  // A text from a short list most of the time, so that calls meet the same names again.
  std::string pick(const char* const* words, std::size_t count) {
    const std::uint8_t b = byte();
    return b < 0xC0 ? words[b % count] : text();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

constexpr int kCallsPerRun = 32;

const char* const kNames[] = {"f", "g", "a", "b", "c.d", ""};
const char* const kTypes[] = {fx::item::STATIC,   fx::item::RECT,     fx::item::EDIT,
                              fx::item::BUTTONSYS, fx::item::BUTTON,  fx::item::CHECKSYS,
                              fx::item::COMBOSYS,  fx::item::DATAGRID, "edit"};
const char* const kKeys[] = {
    fx::key::VALUE,  fx::key::BKCOL,  fx::key::TXCOL,   fx::key::CHECK,    fx::key::ENABLE,
    fx::key::VISIBLE, fx::key::BUTTON, fx::key::LENGTH, fx::key::FORMAT,   fx::key::REMARK,
    fx::key::NOTNULL, fx::key::EDIT,  fx::key::TXHPOS,  fx::key::TXVPOS,   fx::key::FTNAME,
    fx::key::FTSIZE, fx::key::FTBOLD, fx::key::FTITALIC, fx::key::FTULINE, fx::key::BRDSIZE,
    fx::key::BRDCOL, fx::key::BRDSTYLE, fx::key::TYPE,  "value1",          ""};
const char* const kProperties[] = {"", "type=DATE;format=dd/mm/yyyy", "type=CURRENCY;format=999.88",
                                   "bkcol=red;txcol=0x00FF00;brdstyle=3DIN;brdsize=2",
                                   "value=x;value1=a;value2=b;notnull=true;length=3"};

template <std::size_t N>
std::string Pick(Reader& in, const char* const (&words)[N]) {
  return in.pick(words, N);
}

void Add(Reader& in) {
  const std::string form = Pick(in, kNames), item = Pick(in, kNames), type = Pick(in, kTypes);
  const std::int32_t sequence = in.number(), x = in.number(), y = in.number();
  const std::int32_t width = in.number(), height = in.number();
  const std::string properties = Pick(in, kProperties) + in.text();
  const bool existed = !FindItemDef(form, item).type.empty();
  const ErrorCode code = FX_FormItemAdd(form, item, type, sequence, x, y, width, height, properties);
  const ItemDef after = FindItemDef(form, item);
  if (code != 0) {
    Require(after.type.empty() == !existed);
    return;
  }
  Require(!existed && after.type == type && after.sequence == sequence && after.x == x &&
          after.height == height && after.properties == properties);
  // A grid is given a column, as a program gives it its columns.
  if (type == fx::item::DATAGRID) FX_GridColumnAdd(form, item, "c", "");
}

void Set(Reader& in) {
  const std::string form = Pick(in, kNames), item = Pick(in, kNames), key = Pick(in, kKeys);
  const std::string value = in.text();
  if (FX_FormItemSet(form, item, key, value) != 0) return;
  const std::string shown = FX_FormItemGet(form, item, key);
  Require(FX_FormItemSet(form, item, key, shown) == 0);
  Require(FX_FormItemGet(form, item, key) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ResetRegistry();
  Reader in(data, size);
  // A few dozen calls reach every state a form's declarations can be in; more only make
  // each run slower.
  for (int calls = 0; calls < kCallsPerRun && in.more(); ++calls) {
    if (in.byte() % 2 == 0) {
      Add(in);
    } else {
      Set(in);
    }
  }
  return 0;
}
