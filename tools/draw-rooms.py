#!/usr/bin/env python3
"""Draws the rooms of src/ and the includes between them as an SVG picture.

Each folder of src/ that holds sources is a room (src/ itself is "main"); an
arrow goes from one room to another where a file of the first includes, in
quotes, a header of the second. Rooms stand in rows, each above every room it
includes, so arrows point down; an arrow that closes a loop cannot, and is
drawn red.

    tools/draw-rooms.py [SOURCE_DIR] > docs/rooms.svg
    tools/draw-rooms.py --check docs/rooms.svg [SOURCE_DIR]

With --check it fails, saying so, when the picture no longer matches src/.
The picture shows only rooms and arrows, so it changes only when they do.
"""

import argparse
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^#include "([^"]+)"', re.MULTILINE)

BOX_WIDTH = 150
BOX_HEIGHT = 34
GAP_X = 36
GAP_Y = 46
MARGIN = 24
CAPTION_HEIGHT = 44
# Between the lanes of the arrows that skip rows, and between the turns of
# such arrows in the gap under or over a row.
LANE_GAP = 9
TURN_GAP = 7
TURN_STEP = 5

# Fill colours by kind of room: the program's rules, the host's shared
# parts, the drawing, the sound, the window systems, and the top floors.
KINDS = {
    "scene": "#d9f2d9",
    "behaviour": "#d9f2d9",
    "host/core": "#e6e6e6",
    "host/text": "#dbe8fb",
    "host/paint": "#dbe8fb",
    "host/window": "#dbe8fb",
    "host/audio": "#eadcf5",
    "host/sdl": "#fde7cf",
    "host/x11": "#fde7cf",
    "host/wayland": "#fde7cf",
    "host/win32": "#fde7cf",
    "host/app": "#f6d5d5",
    "main": "#f6d5d5",
}


def room_of(folder):
    return "main" if folder in ("", ".") else folder


def read_rooms(src):
    """The rooms, and the arrows between them as (from, to) pairs."""
    rooms = set()
    arrows = set()
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        room = room_of(path.parent.relative_to(src).as_posix())
        rooms.add(room)
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            folder = Path(included).parent.as_posix()
            # A header beside the source, or one made at build time.
            if folder != ".":
                arrows.add((room, room_of(folder)))
    arrows = {(a, b) for a, b in arrows if a != b and b in rooms}
    return sorted(rooms), sorted(arrows)


def loop_closers(rooms, arrows):
    """The arrows that close a loop, found by walking down from the top."""
    below = {room: sorted(b for a, b in arrows if a == room) for room in rooms}
    state = {}
    closers = set()

    def walk(room):
        state[room] = "open"
        for lower in below[room]:
            if state.get(lower) == "open":
                closers.add((room, lower))
            elif lower not in state:
                walk(lower)
        state[room] = "done"

    # From the rooms nothing includes: the arrow found closing a loop is then
    # the one that runs back up.
    included = {b for a, b in arrows}
    for room in sorted(rooms, key=lambda room: (room in included, room)):
        if room not in state:
            walk(room)
    return closers


def rows_of(rooms, arrows, closers):
    """Rooms in rows from the top: each one row above the deepest it includes,
    each row ordered under the rooms that include its rooms."""
    below = {room: [b for a, b in arrows if a == room and (a, b) not in closers] for room in rooms}
    depth = {}

    def depth_of(room):
        if room not in depth:
            depth[room] = 1 + max((depth_of(b) for b in below[room]), default=-1)
        return depth[room]

    deepest = max(depth_of(room) for room in rooms)
    rows = [[] for _ in range(deepest + 1)]
    for room in rooms:
        rows[deepest - depth_of(room)].append(room)
    place = {room: i for row in rows for i, room in enumerate(row)}
    for row in rows[1:]:
        def under(room):
            uppers = [place[a] - (len(rows[0]) - 1) / 2 for a, b in arrows if b == room]
            return sum(uppers) / len(uppers) if uppers else 0

        row.sort(key=lambda room: (under(room), room))
        place.update({room: i for i, room in enumerate(row)})
    return rows


class Layout:
    """Where the boxes stand and which way each arrow runs. An arrow to the
    next row down is a curve; a longer one leaves its room's bottom for a
    lane beside the rooms, runs down it and comes in over the other room's
    top, so that no arrow passes behind a box. Lanes nest, the longest
    outside."""

    def __init__(self, rows, arrows, closers):
        self.rows = rows
        self.row = {room: r for r, row in enumerate(rows) for room in row}
        self.arrows = arrows
        self.long = [e for e in arrows if e not in closers and self.row[e[1]] - self.row[e[0]] > 1]
        self.side, self.lane = self.assign_lanes()
        lanes = {s: sum(1 for e in self.long if self.side[e] == s) for s in "lr"}
        widest = max(len(row) for row in rows) * (BOX_WIDTH + GAP_X) - GAP_X
        self.left = MARGIN + (lanes["l"] + 1) * LANE_GAP
        self.right = self.left + widest
        self.width = self.right + (lanes["r"] + 1) * LANE_GAP + MARGIN
        self.x = {}
        for row in rows:
            indent = (widest - (len(row) * (BOX_WIDTH + GAP_X) - GAP_X)) / 2
            for i, room in enumerate(row):
                self.x[room] = self.left + indent + i * (BOX_WIDTH + GAP_X)
        self.place_rows()
        self.place_ends()

    def lean(self, room):
        row = self.rows[self.row[room]]
        return row.index(room) - (len(row) - 1) / 2

    def assign_lanes(self):
        side = {}
        turn = 0
        for a, b in self.long:
            lean = self.lean(a) + self.lean(b)
            if lean == 0:
                lean, turn = (-1 if turn == 0 else 1), 1 - turn
            side[(a, b)] = "l" if lean < 0 else "r"
        lane = {}
        for s in "lr":
            mine = sorted((e for e in self.long if side[e] == s),
                          key=lambda e: (self.row[e[1]] - self.row[e[0]], e))
            lane.update({e: i for i, e in enumerate(mine)})
        return side, lane

    def lane_x(self, arrow):
        step = LANE_GAP * (self.lane[arrow] + 1)
        return self.left - step if self.side[arrow] == "l" else self.right + step

    def place_rows(self):
        """Rows stand far enough apart for the arrows that turn between them."""
        self.top = []
        y = MARGIN
        for r in range(len(self.rows)):
            self.top.append(y)
            turning = sum(1 for a, b in self.long if self.row[a] == r or self.row[b] == r + 1)
            y += BOX_HEIGHT + max(GAP_Y, 2 * TURN_GAP + TURN_STEP * turning + GAP_Y // 2)
        self.height = self.top[-1] + BOX_HEIGHT + CAPTION_HEIGHT

    def along(self, arrow, other):
        """Order along a box's edge: left lanes outermost first, arrows to the
        next row by the other room's place, right lanes outermost last."""
        if arrow in self.side:
            if self.side[arrow] == "l":
                return (0, -self.lane[arrow], arrow)
            return (2, self.lane[arrow], arrow)
        return (1, self.x[other], arrow)

    def place_ends(self):
        self.leave, self.enter, self.turn_out, self.turn_in = {}, {}, {}, {}
        for room in self.x:
            out = sorted((e for e in self.arrows if e[0] == room), key=lambda e: self.along(e, e[1]))
            into = sorted((e for e in self.arrows if e[1] == room), key=lambda e: self.along(e, e[0]))
            for i, e in enumerate(out):
                self.leave[e] = self.x[room] + BOX_WIDTH * (i + 1) / (len(out) + 1)
            for i, e in enumerate(into):
                self.enter[e] = self.x[room] + BOX_WIDTH * (i + 1) / (len(into) + 1)
            # Outer lanes turn nearer the row they serve, so that turns cross
            # no lane.
            bottom, top = self.top[self.row[room]] + BOX_HEIGHT, self.top[self.row[room]]
            for s in "lr":
                going = sorted((e for e in out if self.side.get(e) == s), key=lambda e: -self.lane[e])
                for i, e in enumerate(going):
                    self.turn_out[e] = bottom + TURN_GAP + TURN_STEP * i
                coming = sorted((e for e in into if self.side.get(e) == s), key=lambda e: -self.lane[e])
                for i, e in enumerate(coming):
                    self.turn_in[e] = top - TURN_GAP - TURN_STEP * i

    def path(self, arrow):
        a, b = arrow
        x1, y1 = self.leave[arrow], self.top[self.row[a]] + BOX_HEIGHT
        x2, y2 = self.enter[arrow], self.top[self.row[b]]
        if arrow in self.side:
            return (f"M{x1:.1f},{y1:.1f} V{self.turn_out[arrow]:.1f} H{self.lane_x(arrow):.1f} "
                    f"V{self.turn_in[arrow]:.1f} H{x2:.1f} V{y2:.1f}")
        bend = max(abs(y2 - y1) / 2, GAP_Y / 2)
        return (f"M{x1:.1f},{y1:.1f} C{x1:.1f},{y1 + bend:.1f} {x2:.1f},{y2 - bend:.1f} "
                f"{x2:.1f},{y2:.1f}")


def svg(rooms, arrows, closers):
    layout = Layout(rows_of(rooms, arrows, closers), arrows, closers)
    captions = ["An arrow: a file of the upper room", "includes a header of the lower."]
    if closers:
        captions.append("Red: an arrow that closes a loop.")
    width, height = layout.width, layout.height + 16 * (len(captions) - 2)
    out = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height:.0f}" '
        f'viewBox="0 0 {width:.0f} {height:.0f}" font-family="DejaVu Sans, sans-serif">',
        "<defs>",
        '<marker id="head" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="7" '
        'markerHeight="7" orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="#555"/></marker>',
        '<marker id="back" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="7" '
        'markerHeight="7" orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="#c00"/></marker>',
        "</defs>",
        f'<rect width="{width:.0f}" height="{height:.0f}" fill="white"/>',
    ]
    for arrow in arrows:
        if arrow not in closers:
            out.append(f'<path d="{layout.path(arrow)}" fill="none" stroke-width="1.2" '
                       'stroke="#555" marker-end="url(#head)"/>')
    for room in rooms:
        x, y = layout.x[room], layout.top[layout.row[room]]
        out.append(
            f'<rect x="{x:.1f}" y="{y:.1f}" width="{BOX_WIDTH}" height="{BOX_HEIGHT}" rx="5" '
            f'fill="{KINDS.get(room, "#ffffff")}" stroke="#333"/>'
        )
        out.append(
            f'<text x="{x + BOX_WIDTH / 2:.1f}" y="{y + BOX_HEIGHT / 2 + 5:.1f}" font-size="14" '
            f'text-anchor="middle">{room}</text>'
        )
    # Over the boxes, centre to centre: the loop is the point, not its route.
    for a, b in sorted(closers):
        xa, ya = layout.x[a] + BOX_WIDTH / 2, layout.top[layout.row[a]] + BOX_HEIGHT / 2
        xb, yb = layout.x[b] + BOX_WIDTH / 2, layout.top[layout.row[b]] + BOX_HEIGHT
        out.append(f'<path d="M{xa:.1f},{ya:.1f} L{xb:.1f},{yb:.1f}" fill="none" '
                   'stroke-width="1.5" stroke="#c00" stroke-dasharray="5,3" marker-end="url(#back)"/>')
    for i, caption in enumerate(captions):
        out.append(
            f'<text x="{MARGIN}" y="{layout.height - CAPTION_HEIGHT + 16 * (i + 1) + 4:.0f}" '
            f'font-size="12" fill="#333">{caption}</text>'
        )
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", metavar="SVG", help="fail if this picture is out of date")
    parser.add_argument("source", nargs="?", default=Path(__file__).resolve().parent.parent / "src")
    args = parser.parse_args()
    rooms, arrows = read_rooms(Path(args.source))
    picture = svg(rooms, arrows, loop_closers(rooms, arrows))
    if args.check is None:
        sys.stdout.write(picture)
        return 0
    if Path(args.check).read_text(encoding="utf-8") != picture:
        print(f"{args.check} no longer shows the rooms of src/: run tools/draw-rooms.py > {args.check}")
        return 1
    print(f"ok: {args.check} shows the rooms of src/")
    return 0


if __name__ == "__main__":
    sys.exit(main())
