// The Limitations bank: 65 fill-in questions with the one accepted value and the manual page.
// Texts are kept exactly as they appear on the pilot's screen, spelling and spacing included.
#include "quiz/limitations/limitations_bank.h"

#include <array>

namespace brivan::quiz::limitations {
namespace {

constexpr std::array<LimitationQuestion, kLimitationCount> kBank{{
    /*  1 */ {"The wing span is __ ft. 5 in.", "63", "Vol 1 Page 0-5"},
    /*  2 */ {"Maximum zero fuel weight is _ _ , _ _ _ Lbs", "28660", "Vol 1 Page 10-5"},
    /*  3 */ {"Maximum ramp weight is _ _ , _ _ _ Lbs", "36700", "Vol 1 Page 10-5"},
    /*  4 */ {"Maximum takeoff weight is _ _ , _ _ _ Lbs", "36500", "Vol 1 Page 10-5"},
    /*  5 */ {"Maximum landing weight is _ _ , _ _ _ Lbs", "34500", "Vol 1 Page 10-5"},
    /*  6 */ {"Vlo speed is __ KIAS and Mlo .70", "190", "Vol 1 Page 0-5"},
    /*  7 */ {"Vle speed is __ KIAS and Mle .75", "245", "Vol 1 Page 0-5"},
    /*  8 */ {"What is the maximum operating altitude?", "47000", "Vol 1 Page 0-5"},
    /*  9 */ {"What is the maximum airport elevation?", "10000", "Vol 1 Page 0-5"},
    /* 10 */ {"The maximum demonstrated crosswind component is ___ Kts.", "35", "Vol 1 Page 0-5"},
    /* 11 */ {"Maximum maneuvering speed (Va) is ___ Kts.", "198", "Vol 1 Page 0-5"},
    /* 12 */ {"The minimum contol speed in the air (Vmca) is ___ Kts.", "90", "Vol 1 Page 0-5"},
    /* 13 */ {"The minimum contol speed during landing (Vmcl) is ___ Kts.", "90", "Vol 1 Page 0-5"},
    /* 14 */ {"The minimum contol speed on the ground (Vmcg) is ___ Kts.", "98", "Vol 1 Page 0-5"},
    /* 15 */ {"Slats + flaps 10 is ___ Kts.", "200", "Vol 1 Page 0-5"},
    /* 16 */ {"Slats + flaps 20 is ___ Kts.", "160", "Vol 1 Page 0-5"},
    /* 17 */ {"Slats + flaps 40 is ___ Kts.", "160", "Vol 1 Page 0-5"},
    /* 18 */ {"Maximum tailwind component for takeoff and landing is ___ Kts.", "10", "Vol 1 Page 0-5"},
    /* 19 */ {"Maximum runway slope for takeoff and landing is + or - ___ %", "2", "Vol 1 Page 0-5"},
    /* 20 */ {"Windshield wiper operating speed is ___ Kts.", "215", "Vol 1 Page 0-5"},
    /* 21 */ {"Direct vision window opening speed is ___ Kts.", "215", "Vol 1 Page 0-5"},
    /* 22 */ {"Maximum tire operating speed is ___ Kts.", "195", "Vol 1 Page 0-5"},
    /* 23 */ {"Maximum ITT for ground starts is ___ C.", "815", "Vol 1 Page 0-5"},
    /* 24 */ {"Maximum ITT for air starts is ___ C.", "890", "Vol 1 Page 0-5"},
    /* 25 */ {"Maximum ITT to initiate a restart is ___ C.", "150", "Vol 1 Page 0-5"},
    /* 26 */ {"Maximum ITT for APR takeoff is ___ C. (5 min. max)", "890", "Vol 1 Page 0-5"},
    /* 27 */ {"Maximum ITT for normal takeoff is ___ C. (5 min. max)", "864", "Vol 1 Page 0-5"},
    /* 28 */ {"Maximum continuous ITT is ___ C.", "861", "Vol 1 Page 0-5"},
    /* 29 */ {"Maximum ITT for windmilling is ___ C. (10 sec. max.)", "970", "Vol 1 Page 0-5"},
    /* 30 */ {"Maximum ITT for windmilling is ___ C. (2 sec. max.)", "1000", "Vol 1 Page 0-5"},
    /* 31 */ {"Aircraft total fuel capacity is ___ Lbs. or 1814 Gals.", "12155", "Vol 1 Page 0-5"},
    /* 32 */ {"Maximum fuel imbalance is ___ Lbs.", "2200", "Vol 1 Page 0-5"},
    /* 33 */ {"Fuel tank temperature must be at least ___ C above the freezing point of the fuel.", "3", "Vol 1 Page 0-5"},
    /* 34 */ {"Operating range of the oil pressure is ___ to 85 psi", "60", "Vol 1 Page 0-5"},
    /* 35 */ {"Transient range of the oil pressure is ___ to 100 psi (3 min. max)", "85", "Vol 1 Page 0-5"},
    /* 36 */ {"Minimum idle oil pressure is ___ psi", "30", "Vol 1 Page 0-5"},
    /* 37 */ {"Maximum oil temperature is ___ C.", "138", "Vol 1 Page 0-5"},
    /* 38 */ {"Minimum oil temperature is ___ C.", "30", "Vol 1 Page 0-5"},
    /* 39 */ {"Transient oil temperature for 3 minutes is ___ C  to 155 C.", "138", "Vol 1 Page 0-5"},
    /* 40 */ {"Cold start oil temperature is -___ C.", "40", "Vol 1 Page 0-5"},
    /* 41 */ {"Maximum cabin differential is _._ psi", "9.3", "Vol 1 Page 0-5"},
    /* 42 */ {"Maximum negative cabin differential is -0. _ psi", "3", "Vol 1 Page 0-5"},
    /* 43 */ {"Maximum voltage of DC system is __._ Volts", "29.5", "Vol 1 Page 0-5"},
    /* 44 */ {"Maximum generator output in flight (stabilzed) is ___ amps", "400", "Vol 1 Page 0-5"},
    /* 45 */ {"Maximum generator output on the ground (basic alternators) is ___ amps", "300", "Vol 1 Page 0-5"},
    /* 46 */ {"Battery temperature amber light (warm) comes on at or above ___ F.", "120", "Vol 1 Page 0-5"},
    /* 47 */ {"Battery temperature red light (Hot) comes on at or above ___ F.", "160", "Vol 1 Page 0-5"},
    /* 48 */ {"Maximum starting and operating altitude for the APU is ___ Ft.", "35000", "Vol 1 Page 0-5"},
    /* 49 */ {"Maximum N1 speed for the APU is ___ %", "110", "Vol 1 Page 0-5"},
    /* 50 */ {"Maximum starting EGT for the APU is ___ C.", "974", "Vol 1 Page 0-5"},
    /* 51 */ {"Maximum stabilized EGT for the APU is ___ C.", "746", "Vol 1 Page 0-5"},
    /* 52 */ {"Maximum APU generator output (transient 1 min.) ___ amps", "350", "Vol 1 Page 0-5"},
    /* 53 */ {"Maximum APU generator output (0 to 10,000 ft.) ___ amps", "300", "Vol 1 Page 0-5"},
    /* 54 */ {"Maximum APU generator output (10,000 to 25,000 ft.) ___ amps", "250", "Vol 1 Page 0-5"},
    /* 55 */ {"Maximum APU generator output (25,000 to 35,000 ft.) ___ amps", "200", "Vol 1 Page 0-5"},
    /* 56 */ {"Wing and engine anti-ice should not be used above ___ C.", "10", "Vol 1 Page 0-5"},
    /* 57 */ {"Do not exceed ___ lbs in the baggage compartment", "1600", "LIM-5"},
    /* 58 */ {"What is the maximum N1 for normal takeoff?", "96.7", "LIM-5"},
    /* 59 */ {"What is the maximum N2 for normal takeoff?", "106", "LIM-5"},
    /* 60 */ {"What is maximum continuous N2?", "104.9", "LIM-5"},
    /* 61 */ {"What is maximum continuous N1?", "96.7", "LIM-5"},
    /* 62 */ {"The autopilot is certified to ___ ft. minimum altitude on coupled ILS w/radio altimeter", "70", "LIM-19"},
    /* 63 */ {"The autopilot is certified to ___ ft. minimum altitude on coupled ILS without the radio altimeter", "160", "LIM-19"},
    /* 64 */ {"The autopilot is certified to ___ ft. minimum altitude in cruise", "1000", "LIM-19"},
    /* 65 */ {"The autopilot is certified to ___ ft. minimum altitude on a non-percision approach", "250", "LIM-19"},
}};

}  // namespace

std::span<const LimitationQuestion> limitationsBank() { return kBank; }

const LimitationQuestion* limitationRow(int n) {
    if (n < 1 || n > kLimitationCount) return nullptr;
    return &kBank[static_cast<std::size_t>(n - 1)];
}

}  // namespace brivan::quiz::limitations
