#pragma once

#include "world/PathGrid.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// The search with its first, plain selection: every round scans all cells in
// index order for the open node of smallest total, later cells winning ties.
// Far too slow for the game, but obviously right, so the engine's queued
// selection is checked against it. It reads weights, directions and the
// estimate from the grid it is given.
class ScanPathSearch {
public:
    explicit ScanPathSearch(const PathGrid& grid) : grid(grid) {}

    void start(const Vec2i& searchGoal, std::vector<Vec2i> searchSources) {
        goal = searchGoal;
        sources = std::move(searchSources);
        iterations = 0;
        nodes.clear();
        const std::size_t cells =
            static_cast<std::size_t>(grid.getWorldSize().x * grid.getWorldSize().y);
        open.assign(cells, nullptr);
        closed.assign(cells, nullptr);
        current = nullptr;
        for (auto it = sources.begin(); it != sources.end();) {
            if (grid.getWeight(it->x, it->y) <= 0.f) {
                it = sources.erase(it);
                continue;
            }
            Node* node = make(*it, 0, 0, nullptr);
            open[index(*it)] = node;
            current = node;
            ++it;
        }
        found = false;
    }

    bool step() {
        if (current != nullptr) {
            for (int round = 0; round < 10; ++round) {
                ++iterations;
                current = nullptr;
                for (std::size_t i = 0; i < open.size(); ++i) {
                    if (open[i] != nullptr &&
                        (current == nullptr || open[i]->total() <= current->total())) {
                        current = open[i];
                    }
                }
                if (current == nullptr) {
                    break;
                }
                if (current->cell == goal) {
                    found = true;
                    break;
                }
                open[index(current->cell)] = nullptr;
                closed[index(current->cell)] = current;
                expand();
            }
        }
        return current == nullptr || found;
    }

    std::vector<Vec2i> path() const {
        std::vector<Vec2i> cells;
        if (current != nullptr && found) {
            for (const Node* node = current; node != nullptr; node = node->parent) {
                cells.push_back(Vec2i(node->cell.x, node->cell.y, static_cast<int>(node->total())));
            }
        }
        return cells;
    }

    bool found = false;
    int iterations = 0;

private:
    struct Node {
        unsigned g;
        unsigned h;
        Vec2i cell;
        Node* parent;
        unsigned total() const { return g + h; }
    };

    std::size_t index(const Vec2i& cell) const {
        return static_cast<std::size_t>(cell.x + cell.y * grid.getWorldSize().x);
    }

    Node* make(const Vec2i& cell, unsigned g, unsigned h, Node* parent) {
        nodes.push_back(std::make_unique<Node>(Node{g, h, Vec2i(cell.x, cell.y), parent}));
        return nodes.back().get();
    }

    void expand() {
        const std::vector<Vec2i>& directions = grid.getDirections();
        for (std::size_t d = 0; d < grid.getDirectionCount(); ++d) {
            const Vec2i n(current->cell.x + directions[d].x, current->cell.y + directions[d].y);
            float w = grid.getWeight(n.x, n.y);
            if (w <= 0.f || closed[index(n)] != nullptr) {
                continue;
            }
            float base = 10.f;
            if (d >= 4) {
                const float h = grid.getWeight(current->cell.x + directions[d].x, current->cell.y);
                const float v = grid.getWeight(current->cell.x, current->cell.y + directions[d].y);
                if (h <= 0.f || v <= 0.f) {
                    continue;
                }
                base = 14.f;
                w = 0.25f * w + 0.75f * std::min(h, v);
            }
            const unsigned g = current->g + static_cast<unsigned>(std::round(base / w));
            Node*& node = open[index(n)];
            if (node == nullptr) {
                node = make(n, g, grid.estimate(n, goal), current);
            } else if (g < node->g) {
                node->parent = current;
                node->g = g;
            }
        }
    }

    const PathGrid& grid;
    Vec2i goal;
    std::vector<Vec2i> sources;
    Node* current = nullptr;
    std::vector<Node*> open;
    std::vector<Node*> closed;
    std::vector<std::unique_ptr<Node>> nodes;
};
