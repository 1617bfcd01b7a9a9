// ReportError through the platform seam: what the message box shows, the order of the
// platform calls, the system part of platform errors and the offer to stop.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/error/scoped_folder.h"
#include "tests/support/win32_support.h"

namespace {

// The platform calls of one report, in the order they were made.
std::vector<std::string> calls;
DWORD fakeLastError = 0;
const char* fakeSystemText = nullptr;  // nullptr: FormatMessageA fails
HLOCAL allocatedText = nullptr;
DWORD formatFlags = 0, formatId = 0, formatLanguage = 0;

DWORD WINAPI FakeGetLastError() {
  calls.push_back("GetLastError");
  return fakeLastError;
}

DWORD WINAPI FakeFormatMessage(DWORD flags, LPCVOID, DWORD id, DWORD language, LPSTR buffer,
                               DWORD, va_list*) {
  calls.push_back("FormatMessageA");
  formatFlags = flags;
  formatId = id;
  formatLanguage = language;
  if (!fakeSystemText) return 0;
  const std::string text = fakeSystemText;
  allocatedText = LocalAlloc(LMEM_FIXED, text.size() + 1);
  std::memcpy(allocatedText, text.c_str(), text.size() + 1);
  *reinterpret_cast<LPSTR*>(buffer) = static_cast<LPSTR>(allocatedText);
  return static_cast<DWORD>(text.size());
}

HLOCAL WINAPI FakeLocalFree(HLOCAL memory) {
  calls.push_back(memory == allocatedText ? "LocalFree" : "LocalFree(other)");
  return os::real().LocalFree(memory);
}

decltype(&::MessageBoxA) recorder = nullptr;
int WINAPI LoggedMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  calls.push_back("MessageBoxA");
  return recorder(owner, text, caption, style);
}

const char kDatabase[] =
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"FR\"\r\n[1]\r\n\"Nom obligatoire vide\"\r\n"
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"US\"\r\n[1]\r\n\"Required name is empty\"\r\n"
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"US\"\r\n[1000]\r\n|Class not registered|\r\n"
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"FR\"\r\n[999]\r\n\"neuf\"\r\n"
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"FR\"\r\n[1999]\r\n\"dernier\"\r\n"
    "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"FR\"\r\n[2000]\r\n\"hors plage\"\r\n";

class ReportErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("fenmsg.fdb", kDatabase);
    ResetRegistry();
    test::RecordedMessageBoxes().clear();
    test::SetMessageBoxAnswer(IDNO);
    calls.clear();
    fakeLastError = 0;
    fakeSystemText = nullptr;
    allocatedText = nullptr;
    recorder = os::table().MessageBoxA;
  }
  void TearDown() override {
    FX_ErrorHandlerSet(nullptr);
    test::SetMessageBoxAnswer(IDNO);
    test::TakeQuitMessage();
    ResetRegistry();
  }

  // The text of the one message box the report showed.
  std::string Shown() {
    const auto& boxes = test::RecordedMessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? std::string() : boxes.back().text;
  }

  test::ScopedFolder folder_;
  os::Override<decltype(&::GetLastError)> lastError_{&os::Table::GetLastError, FakeGetLastError};
  // For x86-64, mingw-w64's va_list carries a type attribute of GCC's own, which a template
  // argument drops; the function type is the same without it, so the warning tells nothing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-attributes"
  os::Override<decltype(&::FormatMessageA)> format_{&os::Table::FormatMessageA, FakeFormatMessage};
#pragma GCC diagnostic pop
  os::Override<decltype(&::LocalFree)> free_{&os::Table::LocalFree, FakeLocalFree};
};

TEST_F(ReportErrorTest, ACheckOfTheLibraryShowsFourLinesAndTheQuestion) {
  SetErrorContext("calc.x", "FX_FormItemAdd");
  const std::string returned = ReportError(1);
  const std::string expected =
      "Function : FX_FormItemAdd\n"
      "Window name : calc.x\n"
      "Error number : 1\n"
      "Error msg : Nom obligatoire vide\n"
      "\n"
      "Do you want to stop the program ?";
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(returned, expected);

  const test::MessageBoxCall& box = test::RecordedMessageBoxes().back();
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.caption, "Fenwix Error");
  EXPECT_EQ(box.style, static_cast<UINT>(MB_YESNO | MB_ICONERROR))
      << "expected Yes/No with the stop icon, got 0x" << std::hex << box.style;
}

TEST_F(ReportErrorTest, PlatformCodesReadTheLastErrorBeforeAnythingElse) {
  os::Override<decltype(&::MessageBoxA)> logged(&os::Table::MessageBoxA, LoggedMessageBox);
  for (int code : {1000, 1999}) {
    calls.clear();
    test::RecordedMessageBoxes().clear();
    fakeLastError = 1400;
    fakeSystemText = "Invalid window handle.\r\n";
    SetErrorContext("Main", "FX_WindowMove");
    ReportError(code);

    const std::vector<std::string> expectedCalls = {"GetLastError", "FormatMessageA", "LocalFree",
                                                     "MessageBoxA"};
    EXPECT_EQ(calls, expectedCalls) << "code " << code;
    EXPECT_EQ(formatFlags, static_cast<DWORD>(FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                              FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS));
    EXPECT_EQ(formatId, 1400u) << "expected the text of the last error";
    EXPECT_EQ(formatLanguage, static_cast<DWORD>(MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)));

    const std::string message = code == 1000 ? "Class not registered" : "dernier";
    EXPECT_EQ(Shown(), "Function : FX_WindowMove\nWindow name : Main\nError number : " +
                           std::to_string(code) + "\nError msg : " + message +
                           "\nSystem error : 1400\nSystem message : Invalid window handle.\r\n"
                           "\n\nDo you want to stop the program ?");
  }
}

TEST_F(ReportErrorTest, OtherCodesHaveNoSystemPart) {
  for (int code : {999, 2000}) {
    calls.clear();
    test::RecordedMessageBoxes().clear();
    SetErrorContext("Main", "FX_WindowMove");
    ReportError(code);
    EXPECT_TRUE(calls.empty()) << "code " << code << ": expected no last-error read, got "
                               << (calls.empty() ? "" : calls.front());
    EXPECT_EQ(Shown().find("System"), std::string::npos) << "code " << code;
  }
}

TEST_F(ReportErrorTest, AFailedSystemTextStillShowsTheNumber) {
  fakeLastError = 87;
  SetErrorContext("Main", "FX_WindowMove");
  ReportError(1000);
  EXPECT_NE(Shown().find("System error : 87\nSystem message : \n\n"), std::string::npos) << Shown();
  EXPECT_EQ(calls, (std::vector<std::string>{"GetLastError", "FormatMessageA"}))
      << "expected no LocalFree without a buffer";
}

TEST_F(ReportErrorTest, AnEmptyContextNameShowsTheCurrentWindow) {
  TheRegistry().CurrentWindowName = "Main";
  SetErrorContext("", "FX_ResetFenwixIntl");
  ReportError(1);
  EXPECT_NE(Shown().find("\nWindow name : Main\n"), std::string::npos) << Shown();
}

TEST_F(ReportErrorTest, TheMessageComesFromUsWhenFrenchHasNone) {
  SetErrorContext("Main", "FX_WindowMainCreate");
  ReportError(1000);
  EXPECT_NE(Shown().find("\nError msg : Class not registered\n"), std::string::npos) << Shown();
}

DWORD WINAPI NoModulePath(HMODULE, LPWSTR, DWORD) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return 0;
}

// A path longer than any buffer offered: cut to each one, as Windows cuts it.
DWORD WINAPI EndlessModulePath(HMODULE, LPWSTR buffer, DWORD size) {
  if (size == 0) return 0;
  std::wmemset(buffer, L'x', size - 1);
  buffer[size - 1] = L'\0';
  return size;
}

// A program started from a folder whose name the ANSI code page cannot spell.
const wchar_t kPolishFolder[] = L"Za\u017C\u00F3\u0142\u0107";
DWORD WINAPI ProgramInPolishFolder(HMODULE, LPWSTR buffer, DWORD size) {
  const std::wstring path =
      (std::filesystem::current_path() / kPolishFolder / L"program.exe").wstring();
  if (path.size() >= size) return 0;
  std::wmemcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

TEST_F(ReportErrorTest, TheMessageFileIsTheOneHereElseTheOneBesideTheProgram) {
  const struct {
    const char* here;  // the working directory's fenmsg.fdb, or nullptr for none
    decltype(&::GetModuleFileNameW) modulePath;  // nullptr: the real one
    const char* message;                         // how the message of code 1 starts
  } cases[] = {
      // The test program's folder holds the library's own database, with other texts.
      {kDatabase, nullptr, "Nom obligatoire vide\n"},
      {nullptr, nullptr, "Un nom obligatoire est vide"},
      {nullptr, NoModulePath, "no message : file fenmsg.fdb not found\n"},
      {nullptr, EndlessModulePath, "no message : file fenmsg.fdb not found\n"},
      {nullptr, ProgramInPolishFolder, "Nom obligatoire vide\n"},
  };
  for (const auto& c : cases) {
    test::ScopedFolder elsewhere;
    if (c.here) elsewhere.write("fenmsg.fdb", c.here);
    if (c.modulePath == ProgramInPolishFolder) {
      std::filesystem::create_directory(kPolishFolder);
      std::ofstream(std::filesystem::path(kPolishFolder) / L"fenmsg.fdb", std::ios::binary)
          << kDatabase;
    }
    os::Override<decltype(&::GetModuleFileNameW)> modulePath(
        &os::Table::GetModuleFileNameW,
        c.modulePath ? c.modulePath : os::real().GetModuleFileNameW);
    test::RecordedMessageBoxes().clear();
    SetErrorContext("calc", "FX_FormCreate");
    ReportError(1);
    EXPECT_NE(Shown().find(std::string("\nError msg : ") + c.message), std::string::npos)
        << "expected the message " << c.message << ", got\n" << Shown();
  }
}

TEST_F(ReportErrorTest, YesQuitsWithTheErrorCodeAndNoDoesNot) {
  for (int code : {4, 26, 1012}) {
    SetErrorContext("Main", "FX_WindowMove");
    test::SetMessageBoxAnswer(IDNO);
    ReportError(code);
    EXPECT_EQ(test::TakeQuitMessage(), -1) << "code " << code << ": expected no quit after No";

    test::SetMessageBoxAnswer(IDYES);
    ReportError(code);
    EXPECT_EQ(test::TakeQuitMessage(), code)
        << "expected the program to end with the reported code " << code;
    EXPECT_EQ(test::TakeQuitMessage(), -1) << "code " << code << ": expected one quit message";
  }
}

// The codes and reports the handlers were given.
std::vector<std::pair<ErrorCode, std::string>> handled;

bool GoOn(ErrorCode code, const std::string& report) {
  handled.emplace_back(code, report);
  return false;
}
bool Stop(ErrorCode code, const std::string& report) {
  handled.emplace_back(code, report);
  return true;
}
bool Throw(ErrorCode code, const std::string& report) {
  handled.emplace_back(code, report);
  throw std::runtime_error("the handler failed");
}

TEST_F(ReportErrorTest, AHandlerTakesTheReportInPlaceOfTheMessageBox) {
  const struct {
    const char* what;
    ErrorHandler handler;
    int code;
    int quit;  // the quit message's code, -1 for none
  } cases[] = {
      {"false goes on", GoOn, 1, -1},
      {"true stops with the code", Stop, 999, 999},
      {"a throw counts as false", Throw, 1, -1},
      {"null brings the box back", nullptr, 999, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    handled.clear();
    test::RecordedMessageBoxes().clear();
    FX_ErrorHandlerSet(c.handler);
    SetErrorContext("calc", "FX_FormCreate");
    const std::string returned = ReportError(c.code);

    const std::string report = "Function : FX_FormCreate\nWindow name : calc\nError number : " +
                               std::to_string(c.code) + "\nError msg : " +
                               (c.code == 1 ? "Nom obligatoire vide" : "neuf") + "\n";
    EXPECT_EQ(returned, report + "\nDo you want to stop the program ?");
    if (c.handler) {
      EXPECT_EQ(handled, (std::vector<std::pair<ErrorCode, std::string>>{{c.code, report}}));
      EXPECT_TRUE(test::RecordedMessageBoxes().empty()) << "expected no message box";
    } else {
      EXPECT_TRUE(handled.empty()) << "expected the handler left alone";
      EXPECT_EQ(Shown(), returned);
    }
    EXPECT_EQ(test::TakeQuitMessage(), c.quit);
  }
}

}  // namespace
