#include "geometry/object_sources/solid_check.h"

#include "geometry/model/kernel.h"

#include <cmath>
#include <map>
#include <set>
#include <utility>

using namespace geometry::model;

namespace geometry::object_sources {

namespace {

constexpr long double flatness = 0.005L;   // half a hundredth of a unit
constexpr long double coplanar = 1e-9L;     // of the cosine between two normals

Tpoint3d minus(const Tpoint3d& a, const Tpoint3d& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

long double dot(const Tpoint3d& a, const Tpoint3d& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

class checker {
public:
    checker(const Tsolid& solid, const std::vector<std::string>& names) : solid_(solid), names_(names) {}

    std::vector<std::string> run()
    {
        Tnormals normals{};
        surface_normals(solid_, normals, false);
        for (int s = 1; s <= solid_.surface_count; ++s)
            check_surface(s, normals[s]);
        check_edges();
        check_neighbours_not_coplanar();
        if (problems_.empty() && volume() <= 0)
            problems_.push_back("the surfaces turn inwards: list every surface's corners the other way round");
        return problems_;
    }

private:
    std::string name(int v) const
    {
        return v >= 1 && static_cast<std::size_t>(v) <= names_.size() ? names_[static_cast<std::size_t>(v - 1)]
                                                                        : std::to_string(v);
    }

    std::string surface(int s) const
    {
        std::string text = "surface " + std::to_string(s) + " (";
        for (int i = 1; i < solid_.surface_length[s]; ++i)
            text += (i > 1 ? " " : "") + name(solid_.surface_vertices[s][i]);
        return text + ")";
    }

    void check_surface(int s, const Tpoint3d& kernel_normal)
    {
        const Tpoint3d n = outline_normal(solid_, s);
        const long double area = std::sqrt(dot(n, n));
        if (area < 1e-9L) {
            problems_.push_back(surface(s) + " has no area");
            return;
        }
        const Tpoint3d& first = solid_.corner(s, 1);
        for (int i = 2; i < solid_.surface_length[s]; ++i)
            if (std::fabs(dot(n, minus(solid_.corner(s, i), first))) / area > flatness) {
                problems_.push_back(surface(s) + " is not flat");
                return;
            }
        if (dot(kernel_normal, n) <= 0)
            problems_.push_back(surface(s) + ": its first three corners turn against the rest of it; start it at another corner");
    }

    void check_edges()
    {
        std::map<std::pair<int, int>, int> walked;
        for (int s = 1; s <= solid_.surface_count; ++s)
            for (int i = 1; i < solid_.surface_length[s]; ++i)
                ++walked[{solid_.surface_vertices[s][i], solid_.surface_vertices[s][i + 1]}];
        std::set<std::pair<int, int>> edges;
        for (const auto& [edge, count] : walked) {
            const auto [p, q] = edge;
            edges.insert({std::min(p, q), std::max(p, q)});
            if (count > 1)
                problems_.push_back("edge " + name(p) + "-" + name(q) + " is walked the same way by " +
                                    std::to_string(count) + " surfaces: one of them turns the wrong way");
            else if (!walked.count({q, p}))
                problems_.push_back("edge " + name(p) + "-" + name(q) + " belongs to one surface only: the solid is not closed");
        }
        if (edges.size() > static_cast<std::size_t>(max_edges))
            problems_.push_back("the solid has " + std::to_string(edges.size()) + " edges, more than " +
                                std::to_string(max_edges));
        for (int v = 1; v <= solid_.vertex_count; ++v) {
            bool used = false;
            for (const auto& edge : edges)
                used |= edge.first == v || edge.second == v;
            if (!used)
                problems_.push_back("vertex " + name(v) + " is a corner of no surface");
        }
    }

    // Two surfaces in one plane that share a side would show that side as
    // an edge, a line the solid does not have. A cut's section is outlined
    // where it meets a face in its plane, as a drawing outlines it.
    void check_neighbours_not_coplanar()
    {
        for (int s = 1; s <= solid_.surface_count; ++s)
            for (int t = s + 1; t <= solid_.surface_count; ++t) {
                const int side = shared_side(s, t);
                if (side == 0 || solid_.surface_colour[s] == cut_surface_colour ||
                    solid_.surface_colour[t] == cut_surface_colour)
                    continue;
                const Tpoint3d a = outline_normal(solid_, s), b = outline_normal(solid_, t);
                const long double size = std::sqrt(dot(a, a) * dot(b, b));
                if (size > 0 && dot(a, b) > (1 - coplanar) * size)
                    problems_.push_back(surface(s) + " and " + surface(t) + " lie in one plane and share the side " +
                                        name(solid_.surface_vertices[s][side]) + "-" +
                                        name(solid_.surface_vertices[s][side + 1]) +
                                        ": make them one surface, with a hole if need be");
            }
    }

    // The entry of surface s whose side surface t runs the other way; 0 when none does.
    int shared_side(int s, int t) const
    {
        for (int i = 1; i < solid_.surface_length[s]; ++i)
            for (int j = 1; j < solid_.surface_length[t]; ++j)
                if (solid_.surface_vertices[s][i] == solid_.surface_vertices[t][j + 1] &&
                    solid_.surface_vertices[s][i + 1] == solid_.surface_vertices[t][j])
                    return i;
        return 0;
    }

    // Six times the enclosed volume: positive when the surfaces face out.
    long double volume() const
    {
        long double sum = 0;
        for (int s = 1; s <= solid_.surface_count; ++s) {
            const Tpoint3d& a = solid_.corner(s, 1);
            for (int i = 2; i + 1 < solid_.surface_length[s]; ++i) {
                const Tpoint3d& b = solid_.corner(s, i);
                const Tpoint3d& c = solid_.corner(s, i + 1);
                sum += a.x * (b.y * c.z - b.z * c.y) + a.y * (b.z * c.x - b.x * c.z) + a.z * (b.x * c.y - b.y * c.x);
            }
        }
        return sum;
    }

    const Tsolid& solid_;
    const std::vector<std::string>& names_;
    std::vector<std::string> problems_;
};

} // namespace

Tpoint3d outline_normal(const Tsolid& solid, int s)
{
    Tpoint3d n;
    for (int i = 1; i <= solid.corner_count(s); ++i) {
        const Tpoint3d& p = solid.corner(s, i);
        const Tpoint3d& q = solid.corner(s, i + 1);
        n.x += (p.y - q.y) * (p.z + q.z);
        n.y += (p.z - q.z) * (p.x + q.x);
        n.z += (p.x - q.x) * (p.y + q.y);
    }
    return n;
}

std::vector<std::string> check_solid(const Tsolid& solid, const std::vector<std::string>& vertex_names)
{
    return checker(solid, vertex_names).run();
}

} // namespace geometry::object_sources
