#pragma once

#include "actors/Employee.hpp"

#include <memory>
#include <utility>
#include <vector>

// The job applicants the player can hire. Each stays for a random lifetime
// and is then replaced in its place; a hired one leaves a gap that is filled
// after a delay. Times in game minutes. Not saved: a loaded game starts with
// a new pool.
class ApplicantPool {
public:
    struct Applicant {
        std::unique_ptr<Employee> employee;
        float lifetime = 0.f;
    };

    static constexpr std::size_t Size = 5;
    static constexpr float RefillDelay = 50.f;
    static constexpr float MinimumLifetime = 480.f;
    static constexpr int LifetimeRange = 480;

    // Appends Size applicants.
    void fill();
    void update(float dt);
    // Null for an index out of range.
    std::unique_ptr<Employee> take(std::size_t index);
    // Destroys every applicant and stops the refill.
    void clear();

    std::size_t size() const { return applicants.size(); }
    const std::vector<Applicant>& getApplicants() const { return applicants; }
    float getRefillTimer() const { return refillTimer; }

private:
    static float drawLifetime();

    float refillDelay = RefillDelay;
    float refillTimer = -1.f; // -1: off
    std::vector<Applicant> applicants;
    float minimumLifetime = MinimumLifetime;
    int lifetimeRange = LifetimeRange;
    std::size_t poolSize = Size;
};
