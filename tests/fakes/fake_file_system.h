#pragma once
#include "shared/file_system.h"

#include <map>

class FakeFileSystem final : public FileSystem {
  public:
    std::string folder = "C:\\Fizzmo";
    std::map<std::string, FileAttributes> attributes;
    std::map<std::string, std::string> contents;

    void AddFile(const std::string& name, const std::string& text) {
        attributes[folder + "\\" + name] = {};
        contents[folder + "\\" + name] = text;
    }

    std::string ProgramFolder() override { return folder; }
    std::optional<FileAttributes> GetAttributes(const std::string& path) override {
        auto it = attributes.find(path);
        return it == attributes.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::string> ReadFilePrefix(const std::string& path,
                                              std::size_t maxBytes) override {
        auto it = contents.find(path);
        if (it == contents.end()) {
            return std::nullopt;
        }
        return it->second.substr(0, maxBytes);
    }
};
