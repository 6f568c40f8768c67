#pragma once

#include <span>

#include <boost/container/static_vector.hpp>

// Convex polygons of the plane, clipped and measured without allocation.

struct PlanePoint {
    double x, y;
};

// A point of the projective plane: (x / w, y / w) when w > 0, the direction (x, y) far out
// when w = 0. Lets a shadow reaching without end be clipped like any other.
struct ProjectivePoint {
    double x, y, w;
};

class ConvexPolygon {
  public:
    // Each cut of a convex polygon adds at most one corner; only corners within rounding of a
    // cutting line can add more, and those add no area, so the ones past this are dropped.
    static constexpr int Capacity = 32;

    void Add(PlanePoint p) {
        if (corner_.size() < Capacity)
            corner_.push_back(p);
    }
    void Clear() { corner_.clear(); }
    int Size() const { return static_cast<int>(corner_.size()); }
    const PlanePoint& operator[](int i) const { return corner_[i]; }
    void Reverse();

  private:
    // In place, and copied only as far as it is filled: the clipping passes copy polygons often.
    boost::container::static_vector<PlanePoint, Capacity> corner_;
};

// The area, positive when the corners run counter-clockwise (shoelace formula).
double SignedArea(const ConvexPolygon& p);

// The part of the convex region spanned by the corners (in order around it, some possibly far
// out, none with w < 0) inside [0, width] x [0, height].
ConvexPolygon ClipToRectangle(std::span<const ProjectivePoint> corners, double width,
                              double height);

// A line of the projective plane: the points with a x + b y + c w = 0.
struct Line {
    double a, b, c;
};

// The line through two points, oriented so that points left of the way from the first to the
// second (seen with y up) give a x + b y + c > 0. Either point may be far out.
Line LineThrough(ProjectivePoint from, ProjectivePoint to);

// The part of the polygon on the left of every line. The lines are given, not taken from a
// clipped polygon's corners: two corners of a clipped polygon may lie within rounding of each
// other, and the line through them would point anywhere.
ConvexPolygon KeepLeftOf(const ConvexPolygon& polygon, std::span<const Line> lines);
