#include "presentation/replay/recording_services.h"

#include <cmath>

#include "services/catalogue.h"
#include "services/cp1250.h"
#include "services/game_folders.h"
#include "services/save_names.h"

namespace raketa {

namespace {
constexpr long kFrameMs = 40;  // one replay frame
}  // namespace

void RecordingDisplay::DrawPicture(raketa::Picture index, int x, int y) {
  if (logging) {
    DrawOp op;
    op.kind = DrawOp::Picture;
    op.x = x;
    op.y = y;
    op.picture = index;
    ops.push_back(op);
  }
  if (inner_ != nullptr) inner_->DrawPicture(index, x, y);
}

Canvas& RecordingDisplay::GetCanvas() {
  ++canvasDepth;
  if (inner_ != nullptr) innerCanvas_ = &inner_->GetCanvas();
  return *this;
}

void RecordingDisplay::ReleaseCanvas() {
  --canvasDepth;
  if (inner_ != nullptr) inner_->ReleaseCanvas();
}

void RecordingDisplay::Present() {
  ++presents;
  if (logging) {
    DrawOp op;
    op.kind = DrawOp::Present;
    ops.push_back(op);
  }
  if (inner_ != nullptr) inner_->Present();
}

void RecordingDisplay::SetBrushStyle(BrushStyle style) {
  brush_ = style;
  if (innerCanvas_ != nullptr) innerCanvas_->SetBrushStyle(style);
}

void RecordingDisplay::SetBrushColour(std::uint32_t bgr) {
  brushColour_ = bgr;
  if (innerCanvas_ != nullptr) innerCanvas_->SetBrushColour(bgr);
}

void RecordingDisplay::SetFontSize(int points) {
  fontSize_ = points;
  if (innerCanvas_ != nullptr) innerCanvas_->SetFontSize(points);
}

void RecordingDisplay::SetFontColour(std::uint32_t bgr) {
  fontColour_ = bgr;
  if (innerCanvas_ != nullptr) innerCanvas_->SetFontColour(bgr);
}

void RecordingDisplay::TextOut(int x, int y, std::string_view text) {
  if (logging) {
    DrawOp op;
    op.kind = DrawOp::Text;
    op.x = x;
    op.y = y;
    op.text = std::string(text);
    op.fontColour = fontColour_;
    op.brush = brush_;
    op.brushColour = brushColour_;
    op.fontSize = fontSize_;
    ops.push_back(op);
  }
  if (innerCanvas_ != nullptr) innerCanvas_->TextOut(x, y, text);
}

int RecordingDisplay::TextWidth(std::string_view text) {
  if (innerCanvas_ != nullptr) return innerCanvas_->TextWidth(text);
  return 10 * static_cast<int>(text.size());
}

void RecordingDisplay::Rectangle(int left, int top, int right, int bottom) {
  if (logging) {
    DrawOp op;
    op.kind = DrawOp::Rect;
    op.x = left;
    op.y = top;
    op.right = right;
    op.bottom = bottom;
    op.brush = brush_;
    op.brushColour = brushColour_;
    ops.push_back(op);
  }
  if (innerCanvas_ != nullptr) innerCanvas_->Rectangle(left, top, right, bottom);
}

void RecordingSound::Play(Cue cue) {
  if (keepCalls) calls.push_back({true, cue});
  playedIn_[static_cast<int>(cue)] = trace_.Frame();
  trace_.Event(std::string("play ") + CueName(cue));
}

void RecordingSound::Stop(Cue cue) {
  if (keepCalls) calls.push_back({false, cue});
  if (Sounding(cue)) trace_.Event(std::string("stop ") + CueName(cue));
  playedIn_[static_cast<int>(cue)] = kSilent;
}

bool RecordingSound::Sounding(Cue cue) const {
  const long played = playedIn_[static_cast<int>(cue)];
  if (played == kSilent) return false;
  if (CueLooped(cue)) return true;
  // Whole milliseconds, so that every build decides alike.
  const long lengthMs = std::lround(CueTable(cue).seconds * 1000.0);
  return (trace_.Frame() - played) * kFrameMs < lengthMs;
}

bool ScriptedDialogs::Answer(const char* kind, std::string& path) {
  ++opened;
  std::optional<std::string> answer;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  if (!answer) {
    trace_.Event(std::string("dialog ") + kind + " cancel");
    return false;
  }
  // A name for a save gets the suffix the save dialog would give it.
  path = std::string(kind) == "save" ? SaveDialogName(*answer, folders_.saves) : *answer;
  trace_.Event(std::string("dialog ") + kind + " " + path);
  return true;
}

void RecordingApp::Close() {
  if (!closing_) trace_.Event("close");
  closing_ = true;
}

void RecordingApp::ShowError(const std::string& message) {
  errors.push_back(message);
  trace_.Event("error " + Quoted(Cp1250ToUtf8(message)));
}

}  // namespace raketa
