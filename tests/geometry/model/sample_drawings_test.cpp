// The hidden-line drawing and the cut of every sample object, checked
// against independent judges: rays cast towards the viewer for what each
// point of each edge should look like, and the faces' own crossings with
// the plane for the area of a section.
#include "geometry/model/cutting.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/ray_visibility.h"
#include "tests/geometry/sample_solids.h"
#include "tests/geometry/sample_views.h"
#include "geometry/object_sources/solid_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::object_sources;

using ray_check::seen;
using test_objects::sample_solids;

using test_objects::view;

namespace {

// The six normal views, the oblique one, a few turns of no special kind
// and some pseudo-random ones, the same on every run.
std::vector<view> make_views()
{
    std::vector<view> list = {{0, 90, 0, false},  {90, 0, 0, false},  {0, 0, 0, false},   {-90, 0, 0, false},
                              {0, -90, 0, false}, {0, 180, 0, false}, {30, -40, 0, true}, {20, 35, 10, false},
                              {-25, 60, 15, true}, {45, -45, 0, false}};
    std::mt19937 random(11);
    std::uniform_int_distribution<int> angle(-180, 180);
    for (int i = 0; i < 6; ++i)
        list.push_back({angle(random), angle(random), angle(random), i % 2 == 0});
    return list;
}

const std::vector<view> views = make_views();

// The six normal views and the oblique one for every object, and two of
// the other turns, a different pair for each object.
std::vector<view> views_for(std::size_t object)
{
    std::vector<view> list(views.begin(), views.begin() + 7);
    const std::size_t others = views.size() - 7;
    list.push_back(views[7 + (2 * object) % others]);
    list.push_back(views[7 + (2 * object + 1) % others]);
    return list;
}

constexpr long double on_line = 0.001L;       // a point this near a line lies on it
constexpr long double away = 0.01L;           // from a stretch's end, before its look is judged
constexpr long double outline_margin = 0.002L;

class drawing_judge {
public:
    drawing_judge(const Tsolid& solid, const view& v) : transformed_(transformed(solid, v)), rays_(transformed_)
    {
        platform::scripted_responder responder;
        compute_line_drawing(solid, v.angle_x, v.angle_y, v.angle_z, drawing_, true, v.perspective);
        if (responder.count() > 0)
            problems_.push_back("message: " + responder.last().text);
    }

    std::vector<std::string> judge()
    {
        for (int e = 1; e <= transformed_.edge_count; ++e)
            judge_edge(e);
        judge_lines(drawing_.visible, true);
        judge_lines(drawing_.hidden, false);
        return problems_;
    }

private:
    static Tsolid transformed(Tsolid solid, const view& v)
    {
        rotate_solid(solid, v.angle_x, v.angle_y, true, v.angle_z);
        if (v.perspective)
            perspective_transform(solid);
        return solid;
    }

    const Tpoint3d& end(int e, bool to) const
    {
        return transformed_.vertices[to ? transformed_.edges[e].to_vertex : transformed_.edges[e].from_vertex];
    }

    Tpoint3d at(int e, long double t) const
    {
        const Tpoint3d& a = end(e, false);
        const Tpoint3d& b = end(e, true);
        return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
    }

    long double length(int e) const { return std::hypot(end(e, true).x - end(e, false).x, end(e, true).y - end(e, false).y); }

    bool end_on(int e) const
    {
        return std::fabs(end(e, true).x - end(e, false).x) < 0.1L && std::fabs(end(e, true).y - end(e, false).y) < 0.1L;
    }

    seen look(int e, long double t) const { return rays_.classify(at(e, t), outline_margin); }

    static bool covers(const Tdrawing_lines& lines, long double x, long double y)
    {
        for (int i = 1; i <= lines.count; ++i) {
            const Tdrawing_line& l = lines.lines[i];
            long double t = 0;
            if (ray_check::segment_distance_2d(x, y, {l.x1, l.y1, 0}, {l.x2, l.y2, 0}, t) < on_line)
                return true;
        }
        return false;
    }

    // Whether a line of the list runs along `line` at (x, y), not just across
    // it or beside it: parallel edges of a face seen almost edge-on lie a
    // fraction of a pixel apart and are rightly two lines.
    static bool runs_along(const Tdrawing_lines& lines, const Tdrawing_line& line, long double x, long double y)
    {
        const long double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
        for (int i = 1; i <= lines.count; ++i) {
            const Tdrawing_line& l = lines.lines[i];
            const long double ex = l.x2 - l.x1, ey = l.y2 - l.y1;
            const long double sine = std::fabs(dx * ey - dy * ex) / (std::hypot(dx, dy) * std::hypot(ex, ey));
            long double t = 0;
            if (sine < 0.0001L && ray_check::segment_distance_2d(x, y, {l.x1, l.y1, 0}, {l.x2, l.y2, 0}, t) < 0.00002L)
                return true;
        }
        return false;
    }

    void problem(const std::string& text)
    {
        if (problems_.size() < 8)
            problems_.push_back(text);
    }

    // Every sample of the edge that lies well inside a stretch of one look,
    // long enough to be drawn, must be drawn that way.
    void judge_edge(int e)
    {
        if (end_on(e))
            return;
        const long double l = length(e);
        const int n = static_cast<int>(l / 0.016L) + 2;
        std::vector<seen> looks(static_cast<std::size_t>(n + 1));
        for (int k = 0; k <= n; ++k)
            looks[static_cast<std::size_t>(k)] = look(e, static_cast<long double>(k) / n);
        const int reach = static_cast<int>(std::ceil(away / l * n));
        for (int k = reach; k <= n - reach; ++k) {
            const seen s = looks[static_cast<std::size_t>(k)];
            if (s == seen::uncertain)
                continue;
            int lo = k, hi = k;
            while (lo > 0 && looks[static_cast<std::size_t>(lo - 1)] == s)
                --lo;
            while (hi < n && looks[static_cast<std::size_t>(hi + 1)] == s)
                ++hi;
            if (k - lo < reach || hi - k < reach || l * l * (hi - lo) / n <= 0.015L)
                continue;
            const Tpoint3d p = at(e, static_cast<long double>(k) / n);
            const bool solid_line = covers(drawing_.visible, p.x, p.y);
            if (s == seen::visible && !solid_line)
                problem("edge " + std::to_string(e) + " at " + std::to_string(static_cast<double>(k) / n) +
                        " is visible but not drawn solid");
            if (s == seen::hidden && !solid_line && !covers(drawing_.hidden, p.x, p.y))
                problem("edge " + std::to_string(e) + " at " + std::to_string(static_cast<double>(k) / n) +
                        " is hidden but not drawn dashed");
        }
    }

    // Some edge under the point looks as the line says, at the point or
    // within reach of it.
    bool edge_under(long double x, long double y, bool visible) const
    {
        for (int e = 1; e <= transformed_.edge_count; ++e) {
            if (end_on(e))
                continue;
            long double t = 0;
            if (ray_check::segment_distance_2d(x, y, end(e, false), end(e, true), t) >= on_line)
                continue;
            const long double step = away / length(e);
            for (const long double u : {t, t - step, t + step}) {
                const seen s = look(e, std::clamp(u, 0.0L, 1.0L));
                if (s == seen::uncertain || (s == seen::visible) == visible)
                    return true;
            }
        }
        return false;
    }

    void judge_lines(const Tdrawing_lines& lines, bool visible)
    {
        for (int i = 1; i <= lines.count; ++i) {
            const Tdrawing_line& l = lines.lines[i];
            const long double size = std::hypot(l.x2 - l.x1, l.y2 - l.y1);
            for (int k = 1; k < 20; ++k) {
                const long double f = k / 20.0L;
                if (f * size < away || (1 - f) * size < away)
                    continue;
                const long double x = l.x1 + f * (l.x2 - l.x1), y = l.y1 + f * (l.y2 - l.y1);
                if (!edge_under(x, y, visible))
                    problem(std::string(visible ? "solid" : "dashed") + " line " + std::to_string(i) +
                            " has no edge under it that looks so at " + std::to_string(static_cast<double>(f)));
                else if (!visible && runs_along(drawing_.visible, l, x, y))
                    problem("dashed line " + std::to_string(i) + " lies under a solid one");
            }
        }
    }

    Tsolid transformed_;
    ray_check::ray_caster rays_;
    Tline_drawing drawing_;
    std::vector<std::string> problems_;
};

// What check_solid finds wrong with a cut solid, but for vertices that no
// surface uses any more: a cut keeps every vertex on or below the plane,
// also one whose surfaces it dropped.
std::vector<std::string> faults_of_cut(const Tsolid& solid)
{
    std::vector<std::string> faults;
    for (const std::string& fault : check_solid(solid, {}))
        if (fault.find("is a corner of no surface") == std::string::npos)
            faults.push_back(fault);
    return faults;
}

// The turns applied before a cut: the plane then meets the samples in
// every kind of way; the same pseudo-random turns on every run.
std::vector<view> cut_turns()
{
    std::vector<view> turns = {{0, 0, 0, false},    {90, 0, 0, false},    {0, 90, 0, false}, {30, -40, 0, false},
                               {20, 35, 10, false}, {-25, 60, 15, false}, {45, 45, 0, false}};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> angle(-180, 180);
    for (int i = 0; i < 40; ++i)
        turns.push_back({angle(random), angle(random), angle(random), false});
    return turns;
}

} // namespace

namespace {

// Whether points just beside an edge, on its own faces that face the
// viewer, are seen by rays: the edge is seen where one of them is, hidden
// where all are; unknown without such faces or where a ray grazes.
class edge_probe {
public:
    explicit edge_probe(const Tsolid& transformed) : solid_(transformed), rays_(transformed) {}

    seen look(int e, long double t) const
    {
        const Tpoint3d& a = solid_.vertices[solid_.edges[e].from_vertex];
        const Tpoint3d& b = solid_.vertices[solid_.edges[e].to_vertex];
        const Tpoint3d p{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
        const long double length = std::hypot(b.x - a.x, b.y - a.y);
        const long double nx = -(b.y - a.y) / length * probe_offset, ny = (b.x - a.x) / length * probe_offset;
        int probes = 0, hidden = 0;
        for (int s = 1; s <= solid_.surface_count; ++s) {
            const Tpoint3d n = outline_normal(solid_, s);
            if (n.z <= 1e-9L || !has_side(s, solid_.edges[e].from_vertex, solid_.edges[e].to_vertex))
                continue;
            for (const long double sign : {-1.0L, 1.0L}) {
                Tpoint3d q{p.x + sign * nx, p.y + sign * ny, 0};
                if (!ray_check::inside_outline(solid_, s, q.x, q.y))
                    continue;   // not on this face
                q.z = p.z - (n.x * (q.x - p.x) + n.y * (q.y - p.y)) / n.z;
                const seen look = rays_.classify(q, probe_offset / 10);
                if (look == seen::uncertain)
                    return seen::uncertain;
                ++probes;
                hidden += look == seen::hidden;
            }
        }
        if (probes == 0)
            return seen::uncertain;
        return hidden == probes ? seen::hidden : seen::visible;
    }

private:
    static constexpr long double probe_offset = 0.003L;

    bool has_side(int s, int from, int to) const
    {
        const Tsurface_list& list = solid_.surface_vertices[s];
        for (int i = 1; i <= solid_.corner_count(s); ++i)
            if ((list[i] == from && list[i + 1] == to) || (list[i] == to && list[i + 1] == from))
                return true;
        return false;
    }

    const Tsolid& solid_;
    ray_check::ray_caster rays_;
};

std::uint8_t level_at(const Tedge_visibility& record, long double t)
{
    std::uint8_t level = record.breakpoints[1].level;
    for (int j = 1; j <= record.count && record.breakpoints[j].t <= t; ++j)
        level = record.breakpoints[j].level;
    return level;
}

} // namespace

// A marked edge shows every stretch as the pupil sees it: seen where one
// of its own faces shows beside it (the inner edge of a step seen from
// above lies on the outline of the face over the step, yet bounds the
// face seen beside it), hidden where they are all covered.
TEST(SampleDrawings, AnEdgeIsSeenWhereOneOfItsOwnFacesShowsBesideIt)
{
    const std::vector<view> some_views(views.begin(), views.begin() + 7);
    for (const auto& sample : sample_solids())
        for (const view& v : some_views) {
            Tvisibility front{};
            const Tsolid turned = turned_for_view(sample.solid, v.angle_x, v.angle_y, v.angle_z, v.perspective, front);
            const edge_probe probe(turned);
            for (int e = 1; e <= turned.edge_count; ++e) {
                const Tedge_visibility record = compute_edge_visibility(turned, e, front);
                for (int k = 0; k < 8; ++k) {
                    const long double t = (k + 0.5L) / 8;
                    bool near_break = false;
                    for (int j = 2; j <= record.count; ++j)
                        near_break |= std::fabs(record.breakpoints[j].t - t) < 0.02L;
                    const seen look = near_break ? seen::uncertain : probe.look(e, t);
                    if (look == seen::uncertain)
                        continue;
                    EXPECT_EQ(level_at(record, t) == visible_level, look == seen::visible)
                        << sample.name << ", " << describe(v) << ", edge " << e << " at " << static_cast<double>(t);
                }
            }
        }
}

namespace {

Tsolid cut_sample(const Tsolid& sample, const view& turn, const std::string& name)
{
    Tsolid solid = sample;
    rotate_solid(solid, turn.angle_x, turn.angle_y, false, turn.angle_z);
    bool success = false, bridged = false;
    std::int32_t sections = 0;
    platform::scripted_responder responder;
    cut_solid(solid, success, sections, bridged);
    EXPECT_TRUE(success) << name;
    return solid;
}

enum class drawn { whole, cut, turned_and_cut };

class SampleDrawingsAgree : public testing::TestWithParam<drawn> {};

} // namespace

// Turned and cut, the plane meets the samples at odd angles: one of the
// turns for each object, seen in the normal and oblique views.
TEST_P(SampleDrawingsAgree, EveryEdgeLooksAsRaysTowardsTheViewerSay)
{
    const std::vector<view> turns = {{100, -20, 0, false}, {17, 23, 0, false}, {-35, 70, 0, false}};
    const auto& samples = sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const view& turn = GetParam() == drawn::turned_and_cut ? turns[n % turns.size()] : view{0, 0, 0, false};
        const std::string name = samples[n].name + (GetParam() == drawn::whole ? "" : " cut after " + describe(turn));
        const Tsolid solid = GetParam() == drawn::whole ? samples[n].solid : cut_sample(samples[n].solid, turn, name);
        const std::vector<view> in_views = GetParam() == drawn::turned_and_cut ? std::vector<view>(views.begin(), views.begin() + 7)
                                                                               : views_for(n);
        for (const view& v : in_views)
            EXPECT_EQ(drawing_judge(solid, v).judge(), std::vector<std::string>{}) << name << ", " << describe(v);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleDrawingsAgree, testing::Values(drawn::whole, drawn::cut, drawn::turned_and_cut),
                         [](const auto& info) { return std::string(std::array{"whole", "cut", "turned_and_cut"}[static_cast<int>(info.param)]); });

namespace {

// A vertex this near the plane but off it is taken to lie on it; the
// slivers that leaves are beyond what these checks can judge.
bool grazes_the_plane(const Tsolid& solid)
{
    for (int v = 1; v <= solid.vertex_count; ++v)
        if (solid.vertices[v].z != 0 && std::fabs(solid.vertices[v].z) < 0.001L)
            return true;
    return false;
}

// A cut at an odd angle may need more than the fixed limits hold.
bool beyond_the_limits(const std::string& message)
{
    for (const char* reason : {"te veel snijpunten", "too many", "Surface with too many vertices"})
        if (message.find(reason) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(SampleCuts, SectionsCloseTheSolidFaceUpAndCoverTheCrossSection)
{
    for (const auto& sample : sample_solids())
        for (const view& turn : cut_turns()) {
            const std::string name = sample.name + ", " + describe(turn);
            Tsolid solid = sample.solid;
            rotate_solid(solid, turn.angle_x, turn.angle_y, false, turn.angle_z);
            if (grazes_the_plane(solid))
                continue;
            const Tsolid turned = solid;
            const long double expected = ray_check::cross_section_area(solid);
            bool success = false, bridged = false;
            std::int32_t sections = 0;
            platform::scripted_responder responder;
            cut_solid(solid, success, sections, bridged);
            if (responder.count() > 0 && beyond_the_limits(responder.last().text)) {
                EXPECT_FALSE(success) << name;
                EXPECT_TRUE(solid.vertex_count == turned.vertex_count && solid.surface_count == turned.surface_count &&
                            solid.surface_vertices == turned.surface_vertices)
                    << name << ": left as it was";
                continue;
            }
            EXPECT_EQ(responder.count(), 0u) << name << ": " << (responder.count() ? responder.last().text : "");
            if (!success) {
                EXPECT_LT(expected, 1e-9L) << name << ": no section where the plane meets the solid";
                continue;
            }
            EXPECT_EQ(faults_of_cut(solid), std::vector<std::string>{}) << name;
            long double area = 0;
            for (int s = solid.surface_count - sections + 1; s <= solid.surface_count; ++s) {
                bool in_plane = solid.corner_count(s) >= 3 && solid.surface_colour[s] == cut_surface_colour &&
                                surface_normal(solid, s).z > 0;   // and facing +z
                for (int j = 1; j <= solid.corner_count(s); ++j)
                    in_plane &= std::fabs(solid.corner(s, j).z) < 0.0001L;
                EXPECT_TRUE(in_plane) << name << ": section " << s;
                area += ray_check::outline_area2(solid, s) / 2;
            }
            EXPECT_NEAR(static_cast<double>(area), static_cast<double>(expected), 1e-9) << name;
            for (int v = 1; v <= solid.vertex_count; ++v)
                EXPECT_LT(solid.vertices[v].z, 0.0001L) << name;
        }
}

TEST(SampleCuts, TheHoleOfTheHoledBlockIsBridgedIntoOneSection)
{
    const Tsolid& holed = test_objects::sample_named("Block with a through hole");
    Tsolid solid = holed;
    bool success = false, bridged = false;
    std::int32_t sections = 0;
    platform::scripted_responder responder;
    cut_solid(solid, success, sections, bridged);
    ASSERT_TRUE(success && bridged && sections == 1);
    const int s = solid.surface_count;
    EXPECT_EQ(solid.corner_count(s), 10) << "the outer outline, the bridge, the hole and back";
    EXPECT_NEAR(static_cast<double>(ray_check::outline_area2(solid, s) / 2),
                static_cast<double>(ray_check::cross_section_area(holed)), 1e-12);
    // One variable for success and the bridged flag: success is written last.
    solid = holed;
    bool both = false;
    cut_solid(solid, both, sections, both);
    EXPECT_TRUE(both);
    solid = test_objects::sample_named("Cube");
    cut_solid(solid, success, sections, both);
    EXPECT_FALSE(both) << "nothing bridged";
}
