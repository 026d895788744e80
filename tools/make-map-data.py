#!/usr/bin/env python3
"""Extracts the map of Belgium drawn by koord's map window.

Reads the provinces of Belgium (layer states_provinces) and the neighbouring
countries (layer countries) from Natural Earth's GeoPackage, shifts them from
WGS84 to the Belgian datum 1972, projects them to Belgian Lambert 1972 with
the same formulas as Koord's geodesy, simplifies them and writes ui/map/
belgium.map. Only regenerating the data needs the GeoPackage (Debian package
qgis-common); the build reads the committed file.

Usage: tools/make-map-data.py [GPKG] [OUTPUT]
"""

import math
import sqlite3
import struct
import sys

DEFAULT_GPKG = "/usr/share/qgis/resources/data/world_map.gpkg"
DEFAULT_OUTPUT = "ui/map/belgium.map"

# Koord's value of pi for every degree/radian change.
PI = 3.1415926535

# Datum BEL72 on the Hayford ellipsoid: shift parameters to WGS84.
BEL72_DA = -251
BEL72_DF = -0.000014192702
BEL72_DX, BEL72_DY, BEL72_DZ = -125.8, 79.9, -100.5
HAYFORD_A = 6378388.0
HAYFORD_INVERSE_FLATTENING = 297.0

# Lambert 1972 constants.
LAMBERT_N = 0.7716421928            # cone constant
LAMBERT_AF = 11565915.812935        # radius factor, m
LAMBERT_LAMBDA0 = 0.076042943       # central meridian, rad
LAMBERT_THETA_CORRECTION = 0.000142043  # rad
LAMBERT_X0 = 150000.01256           # false easting, m
LAMBERT_Y0 = 5400088.4378           # northing of the cone apex, m
LAMBERT_QUARTER_PI = 0.785398163375

# Everything farther than this from the map's extent is cut away (m).
CLIP_XMIN, CLIP_XMAX = -40000.0, 360000.0
CLIP_YMIN, CLIP_YMAX = -40000.0, 310000.0

# Douglas-Peucker tolerances (m): a tenth of a pixel of the 250-pixel map
# for the provinces, a third of a pixel for the neighbours.
PROVINCE_TOLERANCE = 100.0
NEIGHBOUR_TOLERANCE = 400.0

NEIGHBOURS = ("FRA", "NLD", "DEU", "LUX")

# Dutch names, as Belgians read them on a Lambert map.
PROVINCE_NAMES = {
    "Antwerp": "Antwerpen",
    "Brussels": "Bruxelles",
    "East Flanders": "Oost-Vlaanderen",
    "Flemish Brabant": "Vlaams-Brabant",
    "Hainaut": "Hainaut",
    "Liege": "Liège",
    "Limburg": "Limburg",
    "Luxembourg": "Luxembourg",
    "Namur": "Namur",
    "Walloon Brabant": "Brabant wallon",
    "West Flanders": "West-Vlaanderen",
}


def deg_to_rad(degrees):
    return (PI / 180) * degrees


def rad_to_deg(radians):
    return (radians * 180) / PI


def molodensky(lat, lon, direction):
    """One standard Molodensky step between BEL72 and WGS84 on Hayford."""
    phi, lam = deg_to_rad(lat), deg_to_rad(lon)
    sphi, slam, cphi, clam = math.sin(phi), math.sin(lam), math.cos(phi), math.cos(lam)
    dx, dy, dz = direction * BEL72_DX, direction * BEL72_DY, direction * BEL72_DZ
    da, df = float(direction * BEL72_DA), direction * BEL72_DF
    a = HAYFORD_A
    f = 1 / HAYFORD_INVERSE_FLATTENING
    e2 = (f + f) - f * f
    q = 1 / (1 - f)
    rn = a / math.sqrt(1 - e2 * sphi ** 2)
    rm = a * (1 - e2) / (1 - e2 * sphi ** 2) ** 1.5
    t = -dx * sphi * clam - dy * sphi * slam + dz * cphi
    t = t + rn * e2 * sphi * cphi * da / a
    t = t + (rn / q + rm * q) * df * sphi * cphi
    dphi = t / rm
    dlam = (-dx * slam + dy * clam) / (rn * cphi)
    return rad_to_deg(phi + dphi), rad_to_deg(lam + dlam)


def wgs84_to_bel72(lat, lon):
    # The WGS84 leg of the shift has zero parameters: only the trip through
    # radians remains of it.
    lat, lon = rad_to_deg(deg_to_rad(lat)), rad_to_deg(deg_to_rad(lon))
    return molodensky(lat, lon, -1)


def geo_to_lambert(lat, lon):
    phi, lam = deg_to_rad(lat), deg_to_rad(lon)
    b = (1 - 1 / 297) * 6378388
    e = math.sqrt((6378388 ** 2 - b ** 2) / 6378388 ** 2)
    s = e * math.sin(phi)
    t = math.tan(LAMBERT_QUARTER_PI - phi / 2) * ((1 + s) / (1 - s)) ** (e / 2)
    r = t ** LAMBERT_N * LAMBERT_AF
    theta = (lam - LAMBERT_LAMBDA0) * LAMBERT_N
    x = r * math.sin(theta - LAMBERT_THETA_CORRECTION) + LAMBERT_X0
    y = LAMBERT_Y0 - r * math.cos(theta - LAMBERT_THETA_CORRECTION)
    return x, y


def wkb_polygons(blob):
    """Rings of a GeoPackage (Multi)Polygon, as lists of (lon, lat)."""
    if blob[:2] != b"GP":
        raise ValueError("not a GeoPackage geometry")
    flags = blob[3]
    envelope_sizes = {0: 0, 1: 32, 2: 48, 3: 48, 4: 64}
    offset = 8 + envelope_sizes[(flags >> 1) & 7]
    rings = []
    _read_geometry(blob, offset, rings)
    return rings


def _read_geometry(blob, offset, rings):
    order = "<" if blob[offset] == 1 else ">"
    (kind,) = struct.unpack_from(order + "I", blob, offset + 1)
    offset += 5
    if kind == 3:  # Polygon
        (ring_count,) = struct.unpack_from(order + "I", blob, offset)
        offset += 4
        for _ in range(ring_count):
            (n,) = struct.unpack_from(order + "I", blob, offset)
            offset += 4
            coords = struct.unpack_from(order + "%dd" % (2 * n), blob, offset)
            offset += 16 * n
            rings.append(list(zip(coords[0::2], coords[1::2])))
        return offset
    if kind == 6:  # MultiPolygon
        (count,) = struct.unpack_from(order + "I", blob, offset)
        offset += 4
        for _ in range(count):
            offset = _read_geometry(blob, offset, rings)
        return offset
    raise ValueError("unexpected geometry type %d" % kind)


def project(ring):
    return [geo_to_lambert(*wgs84_to_bel72(lat, lon)) for lon, lat in ring]


def clip(ring):
    """Sutherland-Hodgman against the clip box."""
    def cut(points, inside, intersect):
        out = []
        for i, cur in enumerate(points):
            prev = points[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(intersect(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(intersect(prev, cur))
        return out

    def at_x(x0):
        return lambda p, q: (x0, p[1] + (q[1] - p[1]) * (x0 - p[0]) / (q[0] - p[0]))

    def at_y(y0):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (y0 - p[1]) / (q[1] - p[1]), y0)

    points = ring
    for inside, intersect in (
        (lambda p: p[0] >= CLIP_XMIN, at_x(CLIP_XMIN)),
        (lambda p: p[0] <= CLIP_XMAX, at_x(CLIP_XMAX)),
        (lambda p: p[1] >= CLIP_YMIN, at_y(CLIP_YMIN)),
        (lambda p: p[1] <= CLIP_YMAX, at_y(CLIP_YMAX)),
    ):
        if not points:
            break
        points = cut(points, inside, intersect)
    return points


def simplify(points, tolerance):
    """Douglas-Peucker on an open polyline (iterative, bounded by its size)."""
    if len(points) < 3:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        (x1, y1), (x2, y2) = points[first], points[last]
        length = math.hypot(x2 - x1, y2 - y1)
        worst, worst_distance = None, tolerance
        for i in range(first + 1, last):
            x, y = points[i]
            if length == 0:
                distance = math.hypot(x - x1, y - y1)
            else:
                distance = abs((x2 - x1) * (y1 - y) - (x1 - x) * (y2 - y1)) / length
            if distance > worst_distance:
                worst, worst_distance = i, distance
        if worst is not None:
            keep[worst] = True
            stack.append((first, worst))
            stack.append((worst, last))
    return [p for p, k in zip(points, keep) if k]


def simplify_ring(ring, tolerance):
    # Split the closed ring at its farthest point so that both halves keep
    # their ends.
    ring = ring[:-1] if len(ring) > 1 and ring[0] == ring[-1] else ring
    if len(ring) < 4:
        return ring
    far = max(range(len(ring)), key=lambda i: math.dist(ring[0], ring[i]))
    half1 = simplify(ring[: far + 1], tolerance)
    half2 = simplify(ring[far:] + [ring[0]], tolerance)
    return half1[:-1] + half2[:-1]


def line(kind, name, ring):
    coords = " ".join("%d %d" % (round(x), round(y)) for x, y in ring)
    return "%s\t%s\t%s\n" % (kind, name, coords)


def main():
    gpkg = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_GPKG
    output = sys.argv[2] if len(sys.argv) > 2 else DEFAULT_OUTPUT
    db = sqlite3.connect(gpkg)
    lines = []
    points = 0
    for code, blob in db.execute(
            "SELECT iso_a3, geom FROM countries WHERE iso_a3 IN (?, ?, ?, ?) ORDER BY iso_a3",
            NEIGHBOURS):
        for ring in wkb_polygons(blob):
            ring = simplify_ring(clip(project(ring)), NEIGHBOUR_TOLERANCE)
            if len(ring) >= 3:
                lines.append(line("neighbour", code, ring))
                points += len(ring)
    for name, blob in db.execute(
            "SELECT name, geom FROM states_provinces WHERE adm0_a3 = 'BEL' ORDER BY name"):
        for ring in wkb_polygons(blob):
            ring = simplify_ring(project(ring), PROVINCE_TOLERANCE)
            if len(ring) >= 3:
                lines.append(line("province", PROVINCE_NAMES[name], ring))
                points += len(ring)
    with open(output, "w", encoding="utf-8") as out:
        out.write("# Belgium and its neighbours in Belgian Lambert 1972 (m), from\n")
        out.write("# Natural Earth (public domain). Written by tools/make-map-data.py.\n")
        out.write("# kind<TAB>name<TAB>x y x y ... (one closed ring per line)\n")
        out.writelines(lines)
    print("%s: %d rings, %d points" % (output, len(lines), points))


if __name__ == "__main__":
    main()
