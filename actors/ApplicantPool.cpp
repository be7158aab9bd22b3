#include "actors/ApplicantPool.hpp"

#include "params/Random.hpp"

float ApplicantPool::drawLifetime() {
    return static_cast<float>(GameParams::Random() % LifetimeRange) + MinimumLifetime;
}

void ApplicantPool::fill() {
    for (std::size_t i = 0; i < poolSize; ++i) {
        // The lifetime is drawn before the applicant's own draws.
        const float lifetime = drawLifetime();
        applicants.push_back({std::make_unique<Employee>(), lifetime});
    }
}

void ApplicantPool::update(float dt) {
    for (Applicant& applicant : applicants) {
        applicant.lifetime -= dt;
        if (applicant.lifetime <= 0.f) {
            // The old one goes before the new one takes its place and id.
            applicant.employee.reset();
            applicant.employee = std::make_unique<Employee>();
            applicant.lifetime = drawLifetime();
        }
    }
    if (applicants.size() >= poolSize) {
        return;
    }
    if (refillTimer < 0.f) {
        refillTimer = refillDelay;
        return;
    }
    refillTimer -= dt;
    if (refillTimer <= 0.f) {
        refillTimer = -1.f;
        const float lifetime = drawLifetime();
        applicants.push_back({std::make_unique<Employee>(), lifetime});
    }
}

std::unique_ptr<Employee> ApplicantPool::take(std::size_t index) {
    if (index >= applicants.size()) {
        return nullptr;
    }
    std::unique_ptr<Employee> employee = std::move(applicants[index].employee);
    applicants.erase(applicants.begin() + static_cast<std::ptrdiff_t>(index));
    return employee;
}

void ApplicantPool::clear() {
    applicants.clear();
    refillTimer = -1.f;
}
