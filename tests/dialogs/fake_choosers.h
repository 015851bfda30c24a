// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/choosers.h"

#include <deque>
#include <optional>
#include <utility>
#include <vector>

// Answers the choosers from queues (an empty queue cancels) and records what each was
// opened with.
class FakeChoosers : public Choosers {
public:
    std::optional<QString> ChooseFile(QWidget*, const FileChoice& choice) override {
        fileChoices.push_back(choice);
        fileStarts.push_back(choice.startFolder);
        return Take(files);
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString& title,
                                        const QString& startFolder) override {
        folderTitles.push_back(title);
        folderStarts.push_back(startFolder);
        return Take(folders);
    }
    std::optional<Colour> ChooseColour(QWidget*, Colour current) override {
        colourStarts.push_back(current);
        return Take(colours);
    }
    std::optional<CanvasFont> ChooseFont(QWidget*, const CanvasFont& current) override {
        fontStarts.push_back(current);
        return Take(fonts);
    }

    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<Colour>> colours;
    std::deque<std::optional<CanvasFont>> fonts;
    std::vector<FileChoice> fileChoices;
    std::vector<QString> fileStarts;
    std::vector<QString> folderTitles;
    std::vector<QString> folderStarts;
    std::vector<Colour> colourStarts;
    std::vector<CanvasFont> fontStarts;

private:
    template <typename T> static std::optional<T> Take(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        // Taken apart and rebuilt: GCC 12 sees a moved std::optional<QString> as perhaps
        // uninitialized at -O2.
        const bool chosen = queue.front().has_value();
        T value = chosen ? std::move(*queue.front()) : T{};
        queue.pop_front();
        return chosen ? std::optional<T>(std::move(value)) : std::nullopt;
    }
};
