#pragma once
#include <string>
#include <vector>

// A fresh folder for one benchmark's files, removed with the object.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// `count` lines "Schedule=key,text" for days spread evenly over 1900 to 2199,
// keyed in the user's date form.
std::vector<std::string> ScheduleLines(int count);
