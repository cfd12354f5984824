// The room text typed onto the screen like a typewriter, or drawn at once.
#include "world/data.h"

#include "world/game_roles.h"
#include "services/screen_layout.h"
#include "world/room_text_name.h"

namespace raketa {

namespace {
constexpr int kNarrationFontSize = 13;
constexpr int kCellWidth = screen::kNarrationCell;
constexpr int kRowHeight = screen::kNarrationRow;

void PrepareNarrationCanvas(Canvas& canvas) {
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(kNarrationFontSize);
}

}  // namespace

namespace {

// A CR starts the next row; the CR and everything through the next LF are
// consumed without being drawn.
void NextTextRow(Game& g) {
  g.TextCursorY += kRowHeight;
  g.TextCursorX = screen::kNarrationX;
  g.RoomTextFile.ReadLn();
}

}  // namespace

bool TypewriterStep(Game& g, unsigned char& c) {
  TextFile& text = g.RoomTextFile;
  if (text.Eoln()) {
    NextTextRow(g);
    if (text.Eof()) return false;
  }
  g.TextCursorX += kCellWidth;
  c = text.ReadChar();
  return true;
}

std::string RoomTextPath(const Game& g, int room) {
  const TWorld& w = g.World;
  const bool repaired =
      (w.GaugeReplaced && room == kLeakRoom) || (w.CablesRepaired && (room == kShaftRoom || room == kCableRoom));
  return RoomTextName(room, repaired ? "x" : "", PhaseExtension(g.TripPhase));
}

std::string MissingTextsFolder(Game& g) {
  GameFiles& files = g.services.files;
  const std::string folder = HostPath(kRoomTextFolder, files.Folders().data);
  return files.IsReadableFolder(folder) ? std::string() : folder;
}

void OpenRoomText(Game& g, const std::string& path) {
  g.Spoken.roomTextSaid = false;
  if (g.TextsMissing) {
    CloseRoomText(g);
    RoomTextOpened(g);
    return;
  }
  g.RoomTextFile.Open(g.services.files, path, g.services.files.Folders().data);
  RoomTextOpened(g);
}

void CloseRoomText(Game& g) {
  if (g.RoomTextFile.IsOpen()) g.RoomTextFile.Close();
}

int GlyphXInCell(Canvas& canvas, int cellX, std::string_view glyph) {
  // The glyph sits in the middle of its cell, so that narrow letters do not
  // leave a gap after them and wide ones do not run into the next.
  const int spare = kCellWidth - canvas.TextWidth(glyph);
  return cellX + (spare >= 0 ? spare / 2 : -((1 - spare) / 2));
}

void DrawNarrationCharacter(Game& g, Canvas& canvas, unsigned char c) {
  const std::string glyph(1, static_cast<char>(c));
  const int x = GlyphXInCell(canvas, g.TextCursorX, glyph);
  canvas.SetFontColour(colour::Black);
  canvas.TextOut(x + 2, g.TextCursorY + 2, glyph);
  canvas.SetFontColour(colour::Green);
  canvas.TextOut(x, g.TextCursorY, glyph);
}

namespace {
void TypeStep(Game& g, bool click) {
  TextFile& text = g.RoomTextFile;
  // A room text that could not be opened has nothing to show: the narration
  // ends quietly instead of failing on every frame.
  if (!text.IsOpen()) {
    g.NarrationPending = false;
    DrawInventoryPanel(g);
    return;
  }
  if (text.Eof()) {
    g.NarrationPending = false;
    g.World.Current().FirstVisit = 0;
    DrawInventoryPanel(g);
    return;
  }
  // The listener hears the whole text while the typewriter starts on it.
  SayRoomText(g);
  Display& d = g.services.display;
  Canvas& canvas = d.GetCanvas();
  PrepareNarrationCanvas(canvas);
  unsigned char c = 0;
  if (!TypewriterStep(g, c)) {
    d.ReleaseCanvas();
    return;
  }
  if (click && c != ' ') g.Cue(Cue::klik);
  DrawNarrationCharacter(g, canvas, c);
  d.ReleaseCanvas();
}
}  // namespace

void TypeNextCharacter(Game& g) { TypeStep(g, true); }

void FinishTyping(Game& g) {
  while (g.NarrationPending) TypeStep(g, false);
}

void ShowWholeText(Game& g) {
  TextFile& text = g.RoomTextFile;
  bool haveText = text.IsOpen();
  if (haveText) text.Reset();
  // Said once per entry: a command that redraws the room (a take, a use) is
  // not a new text, and repeats the contents panel aloud only if it changed.
  const bool redrawn = g.Spoken.roomTextSaid;
  SayRoomText(g);
  g.TextCursorX = screen::kNarrationX;
  g.TextCursorY = screen::kNarrationY;
  RedrawBackground(g);
  Display& d = g.services.display;
  while (haveText && !text.Eof()) {
    Canvas& canvas = d.GetCanvas();
    PrepareNarrationCanvas(canvas);
    canvas.SetFontColour(colour::Green);
    unsigned char c = 0;
    if (!TypewriterStep(g, c)) {
      d.ReleaseCanvas();
      break;
    }
    DrawNarrationCharacter(g, canvas, c);
    d.ReleaseCanvas();
  }
  g.NarrationPending = false;
  DrawInventoryPanel(g);
  const bool outer = g.Spoken.panelRedrawn;
  g.Spoken.panelRedrawn = outer || redrawn;
  if (g.World.Current().Searched) {
    LookOverRoom(g);
    DrawRoomContentsPanel(g);
  }
  g.Spoken.panelRedrawn = outer;
}

void RedrawBackground(Game& g) {
  g.TextCursorX = screen::kNarrationX;
  g.TextCursorY = screen::kNarrationY;
  g.services.display.DrawPicture(Picture::pozadi, 0, 0);
  g.services.display.Present();
}

}  // namespace raketa
