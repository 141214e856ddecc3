#include "core/menu/courses.h"

#include <array>

#include "core/menu/menu_texts.h"
#include "core/shared/address_opener.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/tables.h"
#include "core/shared/text_file.h"
#include "core/vocational/vocational_queries.h"
#include "core/shared/web_hosts.h"

namespace velmora {
namespace {

// Icon of each family code 1..26 in the icon list.
constexpr int kLinesPerCourse = 3;
constexpr int kHostelryCode = 11;
constexpr const char* kFixedCoursePath =
    "/que-como-y-donde-estudiar/que-estudiar/familia/loe/hosteleria-turismo/"
    "panaderia-bolleria-artesanal.html";
constexpr const char* kLinkHintPrefix = "Internet... ";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Bytes(const char* utf8) {
    return cp1252::Encode(QString::fromUtf8(utf8));
}

CourseRow RowOf(const Course& course, int& previousIcon) {
    previousIcon = FamilyIcon(course.familyCode, previousIcon);
    return {previousIcon, cp1252::Decode(course.name), cp1252::Decode(course.text),
            cp1252::Decode(course.address)};
}

}  // namespace

int FamilyIcon(int code, int previousIcon) {
    const int icon = FamilyIconIndex(code);
    return icon < 0 ? previousIcon : icon;
}

std::vector<Course> ReadCourses(const QString& path) {
    const TextLines file = ReadTextFile(path);
    std::vector<std::string_view> lines;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const std::string_view line = Trim(file.lines[i]);
        if (line.empty()) break;
        if (lines.size() == kCoursesMaxLines) {
            throw DataError(DataError::Kind::Capacity, path, static_cast<int>(i) + 1,
                            QStringLiteral("caben %1 líneas de cursos").arg(kCoursesMaxLines));
        }
        lines.push_back(line);
    }
    std::vector<Course> courses;
    for (size_t first = 0; first < lines.size(); first += kLinesPerCourse) {
        const std::string_view head = lines[first];
        if (head.size() < 2 || !IsDigit(head[0]) || !IsDigit(head[1])) {
            throw DataError(DataError::Kind::Conversion, path, static_cast<int>(first) + 1,
                            QStringLiteral("la línea no empieza por el código de dos cifras de "
                                           "una familia profesional"));
        }
        Course course;
        course.familyCode = (head[0] - '0') * 10 + (head[1] - '0');
        course.name = std::string(head.substr(2));
        if (first + 1 < lines.size()) course.text = std::string(lines[first + 1]);
        if (first + 2 < lines.size()) course.address = std::string(lines[first + 2]);
        courses.push_back(std::move(course));
    }
    return courses;
}

Course FixedCourse(int languageCode) {
    Course course;
    course.familyCode = kHostelryCode;
    course.name = Bytes("Hostelería y turismo");
    course.text = Bytes("Panadería y Bollería Artesanales");
    if (languageCode == 1) {
        course.name = Bytes("Hoteleria i turisme");
        course.text = Bytes("Forneria i Brioixeria Artesanals");
    } else if (languageCode == 2) {
        course.name = Bytes("Hostalaría e turismo");
    }
    course.address = std::string(kVocationalTrainingPortal) + kFixedCoursePath;
    return course;
}

CoursesBrowser::CoursesBrowser(Enlace& enlace, AddressOpener& opener)
    : enlace_(enlace), opener_(opener) {}

void CoursesBrowser::open(const MenuTexts& texts) {
    visible_ = true;
    if (filled_) return;  // the file is read once; the lists stay as they were
    std::vector<Course> courses;
    const bool read = RunSetUp(enlace_.messages, [&] {
        courses = ReadCourses(enlace_.paths.languageFile(QStringLiteral("cursespe")));
    });
    if (!read) return;
    int icon = 0;
    for (const Course& course : courses) reja_.push_back(RowOf(course, icon));
    reja2_.push_back(RowOf(FixedCourse(enlace_.paths.languageCode()), icon));
    rejaHeader_[0] = texts.rejaFamily;
    rejaHeader_[1] = texts.rejaCourse;
    reja2Header_[0] = texts.rejaFamily;
    reja2Header_[1] = texts.reja2Course;
    filled_ = true;
}

const QString& CoursesBrowser::header(CourseGrid grid, int column) const {
    static const QString kNone;
    if (column < 0 || column > 1) return kNone;
    return grid == CourseGrid::Reja ? rejaHeader_[column] : reja2Header_[column];
}

int CoursesBrowser::rows(CourseGrid grid) const {
    return static_cast<int>(list(grid).size());
}

const CourseRow& CoursesBrowser::row(CourseGrid grid, int r) const {
    return list(grid).at(static_cast<size_t>(r - 1));
}

bool CoursesBrowser::isLink(CourseGrid grid, int r, int column) const {
    return column == 1 && r >= 1 && r <= rows(grid);
}

CellPointer CoursesBrowser::pointerAt(CourseGrid grid, int r, int column) const {
    if (!isLink(grid, r, column)) return {};
    return {QString::fromLatin1(kLinkHintPrefix) + row(grid, r).address, true};
}

void CoursesBrowser::releaseAt(CourseGrid grid, int r, int column) {
    if (!isLink(grid, r, column)) return;
    const QString& address = row(grid, r).address;
    // A course cut short of its address has no page to open.
    if (!address.isEmpty()) opener_.open(address);
}

}  // namespace velmora
