#include "dot_map.h"

#include <map>
#include <queue>
#include <utility>

#include "encoding.h"
#include "game_rules.h"
#include "reachability.h"

namespace raketa::worldtool {

namespace {

const int kDx[4] = {0, 1, 0, -1};
const int kDy[4] = {-1, 0, 1, 0};

struct Cell {
  int x = 0, y = 0;
  bool placed = false;
};

std::string Xml(std::string_view utf8) {
  std::string out;
  for (char c : utf8) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

std::string Utf8(std::string_view cp1250) { return DecodeCp1250(cp1250); }

// Grid cells by a walk over the exits from room 1; a room whose cell is taken
// (a map that does not lie flat) is left to Graphviz.
std::map<int, Cell> Layout(const TWorld& w) {
  std::map<int, Cell> cells;
  std::map<std::pair<int, int>, int> taken;
  std::queue<int> todo;
  cells[rules::kStartRoom] = {0, 0, true};
  taken[{0, 0}] = rules::kStartRoom;
  todo.push(rules::kStartRoom);
  while (!todo.empty()) {
    int r = todo.front();
    todo.pop();
    for (int d = 0; d < 4; ++d) {
      int t = w.Room(r).Exits[d].Target;
      if (t < 1 || t > kRoomCount || cells.count(t)) continue;
      Cell c{cells[r].x + kDx[d], cells[r].y + kDy[d], true};
      if (taken.count({c.x, c.y})) c.placed = false;
      else taken[{c.x, c.y}] = t;
      cells[t] = c;
      if (c.placed) todo.push(t);
    }
  }
  return cells;
}

std::string Contents(const TRoom& room) {
  std::string s;
  auto add = [&s](const std::string& part) { s += (s.empty() ? "" : "<br/>") + part; };
  std::string floor;
  for (const TItem& i : room.Items) {
    if (!i.Empty()) floor += (floor.empty() ? "" : ", ") + Xml(Utf8(i.Name.view()));
  }
  if (!floor.empty()) add(floor);
  for (const TFixture& f : room.Fixtures) {
    if (f.Name.empty()) continue;
    std::string line = "<i>" + Xml(Utf8(f.Name.view())) + "</i>";
    if (!f.KeyName.empty() && f.Opened == 0) line += " [" + Xml(Utf8(f.KeyName.view())) + "]";
    std::string inside;
    for (const TItem& i : f.Items) {
      if (!i.Empty()) inside += (inside.empty() ? "" : ", ") + Xml(Utf8(i.Name.view()));
    }
    add(line + (inside.empty() ? "" : ": " + inside));
  }
  return s;
}

std::string NodeId(int room) { return "r" + std::to_string(room); }

std::string Node(const WorldSource& src, int n, const Reach& reach) {
  const TRoom& room = src.world.Room(n);
  std::string fill = "#f4f1e8";
  if (n == rules::kStartRoom) fill = "#fff2b3";
  else if (Fumes(n)) fill = "#f6c6bd";
  else if (Vacuum(src.world, n)) fill = "#bcd8f2";
  else if (room.Outside) fill = "#e1edf8";
  std::string label = "<<b>" + std::to_string(n) + "</b> " + Xml(src.mapName[static_cast<std::size_t>(n)]);
  std::string contents = Contents(room);
  if (!contents.empty()) label += "<br/><font point-size=\"8\">" + contents + "</font>";
  label += ">";
  std::string style = reach.room[n] ? "rounded,filled" : "rounded,filled,dashed";
  std::string pen = n == rules::kStartRoom ? ", penwidth=2" : "";
  return "  " + NodeId(n) + " [label=" + label + ", fillcolor=\"" + fill + "\", style=\"" + style + "\"" + pen + "];\n";
}

bool Used(const TRoom& room) {
  for (const TExit& e : room.Exits) {
    if (e.Target != 0) return true;
  }
  return false;
}

}  // namespace

std::string DotMap(const WorldSource& src) {
  const TWorld& w = src.world;
  Reach reach = Explore(w);
  std::map<int, Cell> cells = Layout(w);
  std::string s =
      "digraph raketa {\n"
      "  graph [fontname=\"DejaVu Sans\", nodesep=0.25, ranksep=0.3, newrank=true];\n"
      "  node [shape=box, fontname=\"DejaVu Sans\", fontsize=10, margin=\"0.08,0.04\"];\n"
      "  edge [fontname=\"DejaVu Sans\", fontsize=8, arrowsize=0.6, fontcolor=\"#b03a2e\"];\n";
  for (int n = 1; n <= kRoomCount; ++n) {
    if (cells.count(n) || Used(w.Room(n))) s += Node(src, n, reach);
  }
  // The grid: a rank per row, kept in order by invisible edges through
  // invisible stand-ins for the empty cells.
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  std::map<std::pair<int, int>, std::string> at;
  for (const auto& [room, c] : cells) {
    if (!c.placed) continue;
    minX = std::min(minX, c.x), maxX = std::max(maxX, c.x), minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
    at[{c.x, c.y}] = NodeId(room);
  }
  for (int y = minY; y <= maxY; ++y) {
    std::string row = "  { rank=same;";
    for (int x = minX; x <= maxX; ++x) {
      if (!at.count({x, y})) {
        at[{x, y}] = "g" + std::to_string(x - minX) + "_" + std::to_string(y - minY);
        s += "  " + at[{x, y}] + " [style=invis, label=\"\", width=1.2];\n";
      }
      row += " " + at[{x, y}] + ";";
    }
    s += row + " }\n";
    for (int x = minX; x < maxX; ++x) s += "  " + at[{x, y}] + " -> " + at[{x + 1, y}] + " [style=invis];\n";
  }
  for (int y = minY; y < maxY; ++y) {
    for (int x = minX; x <= maxX; ++x) s += "  " + at[{x, y}] + " -> " + at[{x, y + 1}] + " [style=invis, weight=5];\n";
  }
  // Doors: one edge per pair of rooms, drawn from the upper or left room.
  std::map<std::pair<int, int>, bool> drawn;
  for (int r = 1; r <= kRoomCount; ++r) {
    for (int d = 0; d < 4; ++d) {
      const TExit& e = w.Room(r).Exits[d];
      int t = e.Target;
      if (t < 1 || t > kRoomCount || drawn[{std::min(r, t), std::max(r, t)}]) continue;
      drawn[{std::min(r, t), std::max(r, t)}] = true;
      const TExit* back = nullptr;
      for (const TExit& b : w.Room(t).Exits) {
        if (b.Target == r) back = &b;
      }
      bool forward = d == South || d == East;  // r is the upper or left room
      int from = forward ? r : t, to = forward ? t : r;
      std::string attrs = back ? "dir=none" : (forward ? "dir=forward" : "dir=back");
      std::string key;
      for (const TExit* x : {&e, back}) {
        if (x && !x->KeyName.empty() && x->Opened == 0) key = Utf8(x->KeyName.view());
      }
      if (!key.empty()) attrs += ", color=\"#b03a2e\", penwidth=1.6, label=\" " + Xml(key) + "\"";
      if (d == East || d == West) attrs += ", constraint=false";
      s += "  " + NodeId(from) + " -> " + NodeId(to) + " [" + attrs + "];\n";
    }
  }
  return s + "}\n";
}

}  // namespace raketa::worldtool
