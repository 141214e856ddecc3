#pragma once

#include <QString>
#include <string>
#include <vector>

namespace velmora {

class AddressOpener;
class Enlace;
struct MenuTexts;

// One specialisation course of "cursespe": three lines, the first a two-digit family code
// followed by the name, the second the text of the course column, the third its web address.
struct Course {
    int familyCode = 0;
    std::string name;  // bytes, Windows-1252
    std::string text;
    std::string address;
};

inline constexpr int kCoursesMaxLines = 50;

// Reads "cursespe": lines trimmed, up to the first empty one; every three lines one course,
// the last one possibly short of its second and third line. Unchecked kind: a missing file, a
// code that is not two digits, or more than 50 lines throw DataError.
std::vector<Course> ReadCourses(const QString& path);

// The family icon of a code; any other code keeps the previous row's icon.
int FamilyIcon(int code, int previousIcon);

// The fixed course of `reja2` in the language of the given code.
Course FixedCourse(int languageCode);

// What a grid row shows.
struct CourseRow {
    int icon = 0;
    QString name;
    QString text;
    QString address;
};

// The courses grids: `reja` with the file's courses, `reja2` with the fixed one.
enum class CourseGrid { Reja, Reja2 };

// What the pointer gets over a cell.
struct CellPointer {
    QString hint;  // empty: no hint
    bool hand = false;
};

class CoursesBrowser {
public:
    CoursesBrowser(Enlace& enlace, AddressOpener& opener);

    // LabelCurEspClick: the panel opens; the file is read and both grids are filled. A file
    // that cannot be read goes to the general error report and the panel stays empty.
    void open(const MenuTexts& texts);
    // ButtonRetroEspeClick.
    void close() { visible_ = false; }

    bool visible() const { return visible_; }
    // False when the grids are empty because the file could not be read.
    bool filled() const { return filled_; }

    const QString& header(CourseGrid grid, int column) const;
    // Data rows from 1; rows(grid) counts them.
    int rows(CourseGrid grid) const;
    const CourseRow& row(CourseGrid grid, int r) const;

    // rejaMouseMove / reja2MouseMove at a cell (row 0 is the header).
    CellPointer pointerAt(CourseGrid grid, int row, int column) const;
    // rejaMouseUp / reja2MouseUp at a cell: column 1 of a data row opens its page.
    void releaseAt(CourseGrid grid, int row, int column);

private:
    const std::vector<CourseRow>& list(CourseGrid grid) const {
        return grid == CourseGrid::Reja ? reja_ : reja2_;
    }
    bool isLink(CourseGrid grid, int row, int column) const;

    Enlace& enlace_;
    AddressOpener& opener_;
    bool visible_ = false;
    bool filled_ = false;
    QString rejaHeader_[2];
    QString reja2Header_[2];
    std::vector<CourseRow> reja_;
    std::vector<CourseRow> reja2_;
};

}  // namespace velmora
