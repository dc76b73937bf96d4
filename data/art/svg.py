"""Small SVG builder shared by every drawing of the game.

One art direction for everything: bright colours, clean dark outlines,
soft gradients lit from the top left. Every helper returns
plain SVG text, so a drawing is a list of strings and the output is
byte-for-byte the same on every run.
"""

OUTLINE = "#3b2a20"


def clamp(v):
    return max(0, min(255, int(round(v))))


def rgb(hexcolour):
    h = hexcolour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def hexc(r, g, b):
    return "#%02x%02x%02x" % (clamp(r), clamp(g), clamp(b))


def lighten(c, f):
    """Mixes colour c with white; f = 0 keeps it, f = 1 gives white."""
    r, g, b = rgb(c)
    return hexc(r + (255 - r) * f, g + (255 - g) * f, b + (255 - b) * f)


def darken(c, f):
    """Mixes colour c with black; f = 0 keeps it, f = 1 gives black."""
    r, g, b = rgb(c)
    return hexc(r * (1 - f), g * (1 - f), b * (1 - f))


def mix(a, b, f):
    ra, ga, ba = rgb(a)
    rb, gb, bb = rgb(b)
    return hexc(ra + (rb - ra) * f, ga + (gb - ga) * f, ba + (bb - ba) * f)


def fmt(v):
    if isinstance(v, float):
        s = "%.2f" % v
        s = s.rstrip("0").rstrip(".")
        return s if s not in ("-0", "") else "0"
    return str(v)


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        name = k.rstrip("_").replace("_", "-")
        out.append('%s="%s"' % (name, fmt(v)))
    return " ".join(out)


class Svg:
    """A picture of w x h pixels being drawn; text() gives the document."""

    def __init__(self, w, h):
        self.w = w
        self.h = h
        self.defs = []
        self.body = []
        self.count = 0

    def uid(self, prefix):
        self.count += 1
        return "%s%d" % (prefix, self.count)

    def add(self, s):
        self.body.append(s)

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1):
        """Linear gradient over the shape's box; stops = [(offset, colour[, opacity])]."""
        gid = self.uid("g")
        st = "".join(self._stop(s) for s in stops)
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
                         % (gid, fmt(x1), fmt(y1), fmt(x2), fmt(y2), st))
        return "url(#%s)" % gid

    def radial(self, stops, cx=0.35, cy=0.3, r=0.75):
        gid = self.uid("r")
        st = "".join(self._stop(s) for s in stops)
        self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>'
                         % (gid, fmt(cx), fmt(cy), fmt(r), st))
        return "url(#%s)" % gid

    def lit(self, colour, amount=0.35):
        """The usual shading: lighter at the top left, darker at the bottom right."""
        return self.linear([(0, lighten(colour, amount)), (0.55, colour), (1, darken(colour, amount * 0.7))],
                           0, 0, 0.6, 1)

    def ball(self, colour):
        """Round shading for spheres and blobs, highlight at the top left."""
        return self.radial([(0, lighten(colour, 0.6)), (0.45, colour), (1, darken(colour, 0.35))])

    def blur(self, sd):
        fid = self.uid("f")
        self.defs.append('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
                         '<feGaussianBlur stdDeviation="%s"/></filter>' % (fid, fmt(sd)))
        return "url(#%s)" % fid

    def colour_matrix(self, values):
        """A filter that maps each pixel's colour through a 4 x 5 matrix (row by row)."""
        fid = self.uid("m")
        self.defs.append('<filter id="%s" x="0" y="0" width="1" height="1"><feColorMatrix type="matrix" '
                         'values="%s"/></filter>' % (fid, " ".join(fmt(float(v)) for v in values)))
        return "url(#%s)" % fid

    def clip(self, shapes):
        cid = self.uid("c")
        self.defs.append('<clipPath id="%s">%s</clipPath>' % (cid, shapes))
        return "url(#%s)" % cid

    @staticmethod
    def _stop(s):
        if len(s) == 2:
            return '<stop offset="%s" stop-color="%s"/>' % (fmt(s[0]), s[1])
        return '<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (fmt(s[0]), s[1], fmt(s[2]))

    def text(self):
        return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
                '<defs>%s</defs>%s</svg>\n' % (self.w, self.h, self.w, self.h,
                                               "".join(self.defs), "".join(self.body)))


def rect(x, y, w, h, fill, stroke=OUTLINE, sw=3, rx=None, join="round", **kw):
    return "<rect %s/>" % attrs(x=x, y=y, width=w, height=h, rx=rx, fill=fill,
                                stroke=stroke if sw else None, stroke_width=sw if sw else None,
                                stroke_linejoin=join, **kw)


def circle(cx, cy, r, fill, stroke=OUTLINE, sw=3, **kw):
    return "<circle %s/>" % attrs(cx=cx, cy=cy, r=r, fill=fill,
                                  stroke=stroke if sw else None, stroke_width=sw if sw else None, **kw)


def ellipse(cx, cy, rx, ry, fill, stroke=OUTLINE, sw=3, **kw):
    return "<ellipse %s/>" % attrs(cx=cx, cy=cy, rx=rx, ry=ry, fill=fill,
                                   stroke=stroke if sw else None, stroke_width=sw if sw else None, **kw)


def path(d, fill, stroke=OUTLINE, sw=3, join="round", **kw):
    return "<path %s/>" % attrs(d=d, fill=fill, stroke=stroke if sw else None,
                                stroke_width=sw if sw else None, stroke_linejoin=join,
                                stroke_linecap="round", **kw)


def line(x1, y1, x2, y2, stroke=OUTLINE, sw=2, **kw):
    return "<line %s/>" % attrs(x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=sw,
                                stroke_linecap="round", **kw)


def poly(points, fill, stroke=OUTLINE, sw=3, join="round", **kw):
    pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in points)
    return "<polygon %s/>" % attrs(points=pts, fill=fill, stroke=stroke if sw else None,
                                   stroke_width=sw if sw else None, stroke_linejoin=join, **kw)


def group(children, **kw):
    return "<g %s>%s</g>" % (attrs(**kw), "".join(children))


def star_points(cx, cy, r_out, r_in, n=5, rot=-90):
    import math
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts
