// Reading and building a form of 500 mixed standard controls (about 5,000
// property lines) from its text, beside writing the same form back.
// Goal: reading and building under 20 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "BenchTimes.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"

using namespace vcl;

namespace {

class TBenchForm : public TForm {
 public:
  using TForm::TForm;
};
const bool registered = RegisterClass<TBenchForm, TForm>(u"TBenchForm");

constexpr int kControls = 500;

// The properties every control gets, then those of its kind.
std::string Common(int I, const char* Class, int Indent) {
  std::string pad(static_cast<std::size_t>(Indent), ' ');
  std::string n = std::to_string(I);
  return pad + "object C" + n + ": " + Class + "\n" + pad + "  Left = " + std::to_string(8 + I % 20 * 40) +
         "\n" + pad + "  Top = " + std::to_string(8 + I / 20 * 30) + "\n" + pad + "  Width = " +
         std::to_string(60 + I % 7) + "\n" + pad + "  Height = " + std::to_string(21 + I % 3) + "\n" + pad +
         "  Hint = 'Control number " + n + "'\n" + pad + "  ShowHint = True\n" + pad +
         "  Anchors = [akLeft, akTop, akRight]\n";
}

// Control I of the form: a mix of the standard kinds, every tenth a group
// box holding two more. Counts the property lines written.
std::string Control(int& I, int Indent, int& Lines) {
  std::string pad(static_cast<std::size_t>(Indent) + 2, ' ');
  std::string n = std::to_string(I);
  std::string out;
  auto add = [&](const char* Class, std::initializer_list<std::string> Own) {
    out = Common(I, Class, Indent);
    Lines += 7;
    for (const std::string& line : Own) {
      out += pad + line + "\n";
      ++Lines;
    }
  };
  switch (I % 10) {
    case 0: {
      add("TGroupBox", {"Caption = 'Group " + n + "'", "TabOrder = 0"});
      for (int k = 0; k < 2 && I + 1 < kControls; ++k) {
        ++I;
        out += Control(I, Indent + 2, Lines);
      }
      break;
    }
    case 1: add("TLabel", {"Caption = 'Label " + n + "'", "Font.Style = [fsBold]", "Transparent = True"}); break;
    case 2: add("TEdit", {"TabOrder = 1", "Text = 'Edit " + n + "'", "MaxLength = 40"}); break;
    case 3: add("TButton", {"Caption = 'Button " + n + "'", "TabOrder = 2", "ModalResult = 1"}); break;
    case 4: add("TCheckBox", {"Caption = 'Check " + n + "'", "Checked = True", "TabOrder = 3"}); break;
    case 5: add("TComboBox", {"Style = csDropDownList", "ItemIndex = 1", "TabOrder = 4",
                              "Items.Strings = (\n" + pad + "  'one'\n" + pad + "  'two')"}); break;
    case 6: add("TPanel", {"Caption = 'Panel " + n + "'", "BevelOuter = bvLowered", "Color = clWindow"}); break;
    case 7: add("TBitBtn", {"TabOrder = 5", "Kind = bkOK", "NumGlyphs = 2"}); break;
    case 8: add("TTrackBar", {"Max = 50", "Position = 12", "TabOrder = 6"}); break;
    default: add("TRadioButton", {"Caption = 'Radio " + n + "'", "TabOrder = 7", "TabStop = True"}); break;
  }
  // A group box's children come before its end.
  return out + std::string(static_cast<std::size_t>(Indent), ' ') + "end\n";
}

const String& FormText(int* PropertyLines = nullptr) {
  static int lines = 0;
  static const String text = [] {
    std::string out = "object BenchForm: TBenchForm\n  Caption = 'Bench'\n  ClientHeight = 800\n"
                       "  ClientWidth = 900\n  PixelsPerInch = 96\n  TextHeight = 13\n";
    lines = 5;
    for (int i = 0; i < kControls; ++i) out += Control(i, 2, lines);
    out += "end\n";
    return FromUTF8(out);
  }();
  if (PropertyLines) *PropertyLines = lines;
  return text;
}

void BM_ReadForm(benchmark::State& state) {
  const String& text = FormText();
  for (auto _ : state) {
    auto form = std::make_unique<TBenchForm>(nullptr);
    ReadComponentFromText(text, form.get());
    benchmark::DoNotOptimize(form.get());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}

void BM_WriteForm(benchmark::State& state) {
  TBenchForm form(nullptr);
  ReadComponentFromText(FormText(), &form);
  for (auto _ : state) {
    String written = WriteComponentToText(&form);
    benchmark::DoNotOptimize(written.data());
  }
}

BENCHMARK(BM_ReadForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteForm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  int lines = 0;
  const String& text = FormText(&lines);
  TBenchForm check(nullptr);
  ReadComponentFromText(text, &check);
  int controls = 0;
  for (int i = 0; i < check.ComponentCount(); ++i) controls += dynamic_cast<TControl*>(check.Components(i)) != nullptr;
  std::printf("form: %d controls, %d property lines, %zu characters\n", controls, lines, text.size());
  TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // CPU time is steadier than real time on a busy machine; both are shown.
  std::printf("\n");
  ReportFigure({"read and build (CPU)", CpuTimeOf(reporter, "BM_ReadForm"), "ms", "write back",
                CpuTimeOf(reporter, "BM_WriteForm"), Below(20)});
  ReportFigure({"read and build (real)", RealTimeOf(reporter, "BM_ReadForm"), "ms", "write back",
                RealTimeOf(reporter, "BM_WriteForm"), Below(20)});
  benchmark::Shutdown();
  return 0;
}
