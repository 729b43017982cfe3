#pragma once
// The calling thread's journal of scripting commands (thr_ThreadSingleton<omu_CmdHistory>):
// the commands in order, and the path list of the object the current command works on.
#include <string>
#include <vector>

class omu_CmdHistory {
public:
    void Add(std::string command) { commands_.push_back(std::move(command)); }
    void RemoveLast() {
        if (!commands_.empty()) commands_.pop_back();
    }
    std::vector<std::string> const& Commands() const { return commands_; }

    std::vector<std::string> const& PathList() const { return path_; }
    void SetPathList(std::vector<std::string> path) { path_ = std::move(path); }

    void Clear() {
        commands_.clear();
        path_.clear();
    }

private:
    std::vector<std::string> commands_;
    std::vector<std::string> path_;
};
