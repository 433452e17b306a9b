"""The window icon's design as shapes: its scalable SVG and its antialiased pictures at any size.

The design is the 32 x 32 pixel-art icon drawn with smooth lines, in the same 32-unit square
(y grows downwards): the potential curve as a grey tube with a black outline, with a tall hump
cut by the left edge, a valley, a lower hump and a slope running off at the bottom right;
arrows point down at the two maxima and up at the minimum. The curve is made of cubic Bézier
pieces whose tangents are level at the humps and the valley, where the derivative is zero.
The SVG and the pictures come from the same shapes, so they agree.
"""

import math

DESIGN_SIZE = 32

BLACK = (0, 0, 0)
GREY = (192, 192, 192)

# Bézier pieces of the tube's middle line, each (start, control, control, end).
CURVE = [
    ((-3.0, 14.5), (-1.0, 10.5), (1.2, 9.0), (3.0, 9.0)),
    ((3.0, 9.0), (7.5, 9.0), (10.5, 20.9), (13.0, 20.9)),
    ((13.0, 20.9), (15.0, 20.9), (17.3, 15.3), (19.5, 15.3)),
    ((19.5, 15.3), (22.5, 15.3), (28.0, 27.8), (34.0, 27.8)),
]
OUTLINE_WIDTH = 3.2  # the whole tube, black
TUBE_WIDTH = 1.5     # its grey inside

# Arrows, each (tip x, tip y, direction): +1 points down, -1 points up.
ARROWS = [(2.5, 6.0, +1), (19.5, 13.0, +1), (13.5, 24.0, -1)]
ARROW_HEAD_WIDTH = 5.0
ARROW_HEAD_LENGTH = 3.0
ARROW_STEM_WIDTH = 1.0
ARROW_STEM_LENGTH = 3.0

PIECES_PER_CURVE = 24  # straight pieces per Bézier when the tube is rasterised
SUBROWS = 16           # sample lines per pixel row; across a line coverage is exact


def bezier_point(piece, t):
    """The point at parameter t (0 ... 1) of a cubic Bézier piece."""
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = piece
    u = 1 - t
    a, b, c, d = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
    return (a * x0 + b * x1 + c * x2 + d * x3, a * y0 + b * y1 + c * y2 + d * y3)


def curve_polyline():
    """The middle line as a chain of points close enough to the Béziers at 256 pixels."""
    points = [CURVE[0][0]]
    for piece in CURVE:
        points += [bezier_point(piece, i / PIECES_PER_CURVE) for i in range(1, PIECES_PER_CURVE + 1)]
    return points


def arrow_parts(tip_x, tip_y, direction):
    """An arrow as two convex polygons: its head (a triangle) and its stem (a rectangle)."""
    base = tip_y - direction * ARROW_HEAD_LENGTH
    end = base - direction * ARROW_STEM_LENGTH
    half_head, half_stem = ARROW_HEAD_WIDTH / 2, ARROW_STEM_WIDTH / 2
    head = [(tip_x - half_head, base), (tip_x + half_head, base), (tip_x, tip_y)]
    stem = [(tip_x - half_stem, end), (tip_x + half_stem, end),
            (tip_x + half_stem, base), (tip_x - half_stem, base)]
    return head, stem


def arrow_outline(tip_x, tip_y, direction):
    """The outline of the whole arrow, stem end first, going round once."""
    head, stem = arrow_parts(tip_x, tip_y, direction)
    return [stem[0], stem[1], stem[2], head[1], head[2], head[0], stem[3]]


# Shapes for rasterising. Each answers span(y): the interval of x it covers on the horizontal
# line at height y, or None. Every shape is convex, so that is always one interval.

def polygon_span(vertices, y):
    """The x interval where the line at height y crosses a convex polygon, or None."""
    crossings = []
    for (xa, ya), (xb, yb) in zip(vertices, vertices[1:] + vertices[:1]):
        if ya == yb:
            if ya == y:
                crossings += [xa, xb]
        elif min(ya, yb) <= y <= max(ya, yb):
            crossings.append(xa + (y - ya) * (xb - xa) / (yb - ya))
    return (min(crossings), max(crossings)) if crossings else None


class Polygon:
    """A convex polygon given by its corners in order."""

    def __init__(self, vertices):
        self.vertices = vertices
        self.top = min(y for _, y in vertices)
        self.bottom = max(y for _, y in vertices)

    def span(self, y):
        return polygon_span(self.vertices, y)


class Capsule:
    """The points within radius of a line segment: one straight piece of a round-joined stroke."""

    def __init__(self, start, end, radius):
        self.start, self.end, self.radius = start, end, radius
        (xa, ya), (xb, yb) = start, end
        length = math.hypot(xb - xa, yb - ya)
        nx, ny = (ya - yb) / length * radius, (xb - xa) / length * radius
        self.body = [(xa + nx, ya + ny), (xb + nx, yb + ny), (xb - nx, yb - ny), (xa - nx, ya - ny)]
        self.top = min(ya, yb) - radius
        self.bottom = max(ya, yb) + radius

    def span(self, y):
        spans = [polygon_span(self.body, y)]
        for cx, cy in (self.start, self.end):
            if abs(y - cy) <= self.radius:
                half = math.sqrt(self.radius ** 2 - (y - cy) ** 2)
                spans.append((cx - half, cx + half))
        spans = [s for s in spans if s is not None]
        return (min(a for a, _ in spans), max(b for _, b in spans)) if spans else None


def stroke(points, width):
    """A line through points, width wide, with round ends and joins."""
    return [Capsule(a, b, width / 2) for a, b in zip(points, points[1:])]


def layers():
    """The design as (colour, shapes) layers, painted in this order."""
    line = curve_polyline()
    arrows = [Polygon(part) for arrow in ARROWS for part in arrow_parts(*arrow)]
    return [(BLACK, stroke(line, OUTLINE_WIDTH)), (GREY, stroke(line, TUBE_WIDTH)), (BLACK, arrows)]


def coverage(shapes, size):
    """Covered fraction (0 ... 1) of each pixel of a size x size picture of the design."""
    scale = size / DESIGN_SIZE
    rows = [[0.0] * size for _ in range(size)]
    for row_index, row in enumerate(rows):
        for sub in range(SUBROWS):
            y = (row_index + (sub + 0.5) / SUBROWS) / scale
            spans = sorted(s for s in (shape.span(y) for shape in shapes
                                       if shape.top <= y <= shape.bottom) if s is not None)
            merged = []
            for left, right in spans:
                if merged and left <= merged[-1][1]:
                    merged[-1][1] = max(merged[-1][1], right)
                else:
                    merged.append([left, right])
            for left, right in merged:
                left, right = max(left * scale, 0.0), min(right * scale, float(size))
                for x in range(int(math.floor(left)), int(math.ceil(right))):
                    row[x] += (min(right, x + 1) - max(left, x)) / SUBROWS
    return rows


def icon_pixels(size):
    """The design at size x size pixels as rows of (red, green, blue, alpha), transparent ground."""
    colour = [[(0.0, 0.0, 0.0)] * size for _ in range(size)]  # premultiplied by alpha
    alpha = [[0.0] * size for _ in range(size)]
    for paint, shapes in layers():
        for y, row in enumerate(coverage(shapes, size)):
            for x, covered in enumerate(row):
                covered = min(covered, 1.0)
                colour[y][x] = tuple(p * covered + c * (1 - covered)
                                     for p, c in zip(paint, colour[y][x]))
                alpha[y][x] = covered + alpha[y][x] * (1 - covered)
    pixels = []
    for colour_row, alpha_row in zip(colour, alpha):
        pixels.append([tuple(round(c / a) for c in rgb) + (round(a * 255),) if a > 0 else (0, 0, 0, 0)
                       for rgb, a in zip(colour_row, alpha_row)])
    return pixels


def number(value):
    """A coordinate for the SVG: at most three decimals, no trailing zeros."""
    text = "%.3f" % value
    return text.rstrip("0").rstrip(".") if "." in text else text


def point(p):
    """An (x, y) pair for an SVG path."""
    return number(p[0]) + " " + number(p[1])


def icon_svg():
    """The design as an SVG document (UTF-8 text) of 32 x 32 units, shown at 128 pixels."""
    curve = "M " + point(CURVE[0][0]) + "".join(
        " C " + ", ".join(point(p) for p in piece[1:]) for piece in CURVE)
    arrows = " ".join("M " + " L ".join(point(p) for p in arrow_outline(*arrow)) + " Z"
                      for arrow in ARROWS)

    def tube(colour, width):
        return ('  <path d="%s" fill="none" stroke="#%02x%02x%02x" stroke-width="%s"'
                ' stroke-linecap="round" stroke-linejoin="round"/>\n'
                % (curve, *colour, number(width)))

    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 %d %d">\n'
            '  <title>Zelmara</title>\n' % (DESIGN_SIZE, DESIGN_SIZE)
            + tube(BLACK, OUTLINE_WIDTH) + tube(GREY, TUBE_WIDTH)
            + '  <path d="%s" fill="#000000"/>\n' % arrows
            + '</svg>\n')
