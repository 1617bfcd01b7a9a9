// The error context and the text of a report, apart from the message box.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/report_text.h"

namespace {

TEST(ErrorContext, OneSavedLevel) {
  SetErrorContext("calc", "FX_FormCreate");
  SaveErrorContext();
  SetErrorContext("calc.display", "FX_FormCreateItem");
  EXPECT_EQ(CurrentErrorContext().windowName, "calc.display");
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormCreateItem");
  RestoreErrorContext();
  EXPECT_EQ(CurrentErrorContext().windowName, "calc");
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormCreate");

  // A second save overwrites the first: there is no stack.
  SaveErrorContext();
  SetErrorContext("Main", "FX_WindowMove");
  SaveErrorContext();
  SetErrorContext("", "FX_ResetFenwixIntl");
  RestoreErrorContext();
  RestoreErrorContext();
  EXPECT_EQ(CurrentErrorContext().windowName, "Main");
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_WindowMove");
}

TEST(ReportText, FourLinesForTheLibrarysOwnChecks) {
  const ErrorContext context{"calc.x", "FX_FormItemAdd"};
  EXPECT_EQ(ReportText(1, context, "Main", "Nom vide", ""),
            "Function : FX_FormItemAdd\n"
            "Window name : calc.x\n"
            "Error number : 1\n"
            "Error msg : Nom vide\n");
}

TEST(ReportText, AnEmptyContextNameShowsTheCurrentWindow) {
  const ErrorContext context{"", "FX_ResetFenwixIntl"};
  EXPECT_EQ(ReportText(18, context, "Main", "m", ""),
            "Function : FX_ResetFenwixIntl\nWindow name : Main\nError number : 18\nError msg : m\n");
}

TEST(ReportText, PlatformCodesCarryTheSystemPart) {
  const std::string system = SystemPart(1400, "Invalid window handle.\r\n");
  EXPECT_EQ(system, "System error : 1400\nSystem message : Invalid window handle.\r\n\n");
  EXPECT_EQ(SystemPart(4294967295ul, ""), "System error : 4294967295\nSystem message : \n");

  const ErrorContext context{"Main", "FX_WindowMove"};
  const std::string head = "Function : FX_WindowMove\nWindow name : Main\n";
  struct Case {
    int code;
    bool withSystem;
  } cases[] = {{999, false},  {1000, true},  {1019, true},  {1060, true},  {1061, false},
               {1069, false}, {1070, true},  {1080, false}, {1083, false}, {1084, true},
               {1086, true},  {1087, false}, {1089, false}, {1090, true},  {1999, true},
               {2000, false}, {0, false}};
  for (const Case& c : cases) {
    const std::string expected = head + "Error number : " + std::to_string(c.code) +
                                 "\nError msg : m\n" + (c.withSystem ? system : "");
    EXPECT_EQ(ReportText(c.code, context, "", "m", system), expected) << "code " << c.code;
  }
  EXPECT_EQ(ReportText(-5, context, "", "m", system),
            head + "Error number : -5\nError msg : m\n");
}

TEST(ReportText, TheQuestionFollowsAnEmptyLine) {
  EXPECT_EQ(ReportQuestion("Error msg : x\n"),
            "Error msg : x\n\nDo you want to stop the program ?");
}

}  // namespace
