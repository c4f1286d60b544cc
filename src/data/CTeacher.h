#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The teacher who manages the students: the teacher record T.nfo (password, class names) and,
// for the selected class, its class file (T + class + ".nfo") with the students' names. Creates
// and deletes students with all their files, and classes with their class files. The teacher
// record is written only when a class is added or deleted.
// The class every teacher has had from the start, the one an existing data folder's students are
// in; it is never deleted.
inline constexpr const char* kFirstClassName = "Users";

class CTeacher {
public:
    void Reset();
    // Reads the teacher record of `name` (file form); the class is cleared until SelectClass.
    bool Load(const std::string& name);
    const std::string& GetName() const { return name_; }

    // Sets the class in every case; a listed class also reloads the students from its file.
    // True when the class is listed in the teacher record.
    bool SelectClass(const std::string& className);
    const std::string& GetClassName() const { return class_; }
    // The classes of the teacher record, in its order.
    const std::vector<std::string>& GetClasses() const { return classes_; }
    // True when `className` is one of the classes, whatever its capitals.
    bool HasClass(const std::string& className) const;

    // Lists a new, empty class: writes its class file, then the teacher record with the class
    // last. False (with an error record) when either cannot be written; nothing is left behind.
    bool AddClass(const std::string& className);
    // Takes an empty class other than the first (kFirstClassName) out of the teacher record and
    // deletes its class file; false when the record cannot be written. The selected class stays
    // selected.
    bool DeleteClass(const std::string& className);

    std::int32_t GetStudentCount() const { return static_cast<std::int32_t>(students_.size()); }
    bool IsStudent(const std::string& name) const;
    // The students whose names are `name` when capitals are ignored, in the class file's order.
    std::vector<std::string> StudentsNamedLike(const std::string& name) const;
    // A new student of this name would replace a file of the data folder, also on a share that
    // ignores case: one of these students' records, the sign-in list, the teacher's record, one
    // of the teacher's class files, or the record of anybody else the sign-in list names (another
    // teacher, another teacher's student) or of any other file there.
    bool IsNameTaken(const std::string& name) const;
    // Appends to the students in memory unless the name is there already.
    bool AddStudentToClassList(const std::string& name);

    // Writes the student's record and empty mistake list and lists the name in the class file and
    // the user list. Either every step is done (true) or what was written is taken back (false,
    // with an error record naming the file and the reason); a retry never lists a name twice.
    bool AddStudent(const std::string& name, const std::string& password, std::int32_t level,
                    std::int32_t testsPassed, std::int32_t reserved1, std::int32_t reserved2);
    // Takes the name out of the class file, deletes the student's files and takes the name out
    // of the user list. A file that is already gone is passed over; one that cannot be deleted
    // stops the deletion with a message.
    bool DeleteStudent(const std::string& name);

private:
    std::string ClassFilePath() const;
    bool WriteTeacherRecord(const std::vector<std::string>& classes);
    // Reads the selected class file, lets `change` edit its names and replaces it through its
    // temporary file; false when no class is selected or the file cannot be read or replaced.
    bool
    RewriteSelectedClassFile(const std::function<void(std::vector<std::string>&)>& change) const;

    std::string name_;
    std::string password_;
    std::string class_;
    std::vector<std::string> classes_;
    std::vector<std::string> students_;
};

// The program's one current teacher.
CTeacher& GetCurrentTeacher();
