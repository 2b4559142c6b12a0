// The Annunciators bank: the 46 warning and caution lights in the order they are asked.
// Rows 1 to 11 are red warnings, rows 12 to 46 yellow cautions. Each row gives the correct
// letter, the legend (lower line "" for a one-line legend), the light colour and four causes.
// Texts are kept exactly as they appear on the pilot's screen, spelling and spacing included.
// Where the causes are our own, each wrong one is a fault that lights another light of the
// aircraft, or a likely misreading of this one, never a normal state; and neither the length of
// a choice nor a bracket or other mark it alone carries tells the right one.
#include "quiz/annunciators/ann_bank.h"

namespace brivan::quiz::annunciators {
namespace {

constexpr std::string_view kRef = "Flight Safety Manual 4-3";

constexpr std::array<AnnQuestion, kAnnCount> kBank{{
    // 1
    {"A", "FIRE 1", "", ui::colours::Red,
     {"A. Fire condition exists in #1 Engine (with fire audio warning)",
      "B. Fire condition exists in APU",
      "C. Fire condition exists baggage",
      "D. Smoke detected in baggage compartment"},
     kRef},
    // 2
    {"B", "OIL 1", "", ui::colours::Red,
     {"A. #1 engine oil filter clogged (impending bypass)",
      "B. #1 engine oil pressure low",
      "C. Fuel pressure to #1 engine low",
      "D. Metal chips detected in the #1 engine oil"},
     kRef},
    // 3
    {"B", "DOORS", "", ui::colours::Red,
     {"A. Refueling access door not closed after fueling",
      "B. Main entrance door or baggage door not closed and locked",
      "C. A landing gear door not closed after retraction",
      "D. Baggage compartment smoke detected"},
     kRef},
    // 4
    {"D", "BRAKE", "", ui::colours::Red,
     {"A. One brake system (#1 or #2) or its anti-skid failed",
      "B. Brake accumulator pressure low",
      "C. Brake pressure applied with the brake pedals released",
      "D. Loss of both brake systems (#1 and #2)"},
     kRef},
    // 5
    {"C", "T/O", "CONFIG", ui::colours::Red,
     {"A. Landing gear not down and locked with the power levers at idle",
      "B. APR activated after an engine failure on takeoff",
      "C. Power levers advanced while not in the takeoff configuration",
      "D. Cabin altitude above 10,000 ft. in the climb after takeoff"},
     kRef},
    // 6
    {"B", "AP", "", ui::colours::Red,
     {"A. Aileron trim not at zero with the autopilot engaged",
      "B. Autopilot disengaged other than by the normal disconnect",
      "C. Autopilot holding a sustained out-of-trim force",
      "D. Pitch feel unit failed to follow the airspeed"},
     kRef},
    // 7
    {"B", "HOT", "BAT", ui::colours::Red,
     {"A. Battery contactor open and battery not connected to the ESS bus",
      "B. Battery temperature at or above 160 F",
      "C. Overheat detected in the aft service compartment",
      "D. Generator 1 tripped off line by an overvoltage"},
     kRef},
    // 8
    {"B", "CABIN", "", ui::colours::Red,
     {"A. Recirculation valve not closed above 15,000 ft.",
      "B. Cabin altitude above 10,000 ft.",
      "C. Overheat detected in the cabin air conditioning unit",
      "D. Main cabin door not closed and locked"},
     kRef},
    // 9
    {"A", "FIRE", "BAG COMP", ui::colours::Red,
     {"A. Smoke or fire in the baggage compartment",
      "B. Fire condition exists in APU",
      "C. Overheat detected in the aft service compartment",
      "D. Baggage compartment door not closed and locked"},
     kRef},
    // 10
    {"B", "FIRE", "APU", ui::colours::Red,
     {"A. APU N1 speed above 110 % (overspeed shutdown)",
      "B. Fire condition exists in APU",
      "C. Smoke detected in the baggage compartment",
      "D. APU EGT above 974 C during start"},
     kRef},
    // 11
    // One line of the light holds "LH WHEEL" only: "OVHT" goes on the second, as the same light
    // is drawn on the Memory Items screen, or the word that says what is wrong would be cut off.
    {"A", "LH WHEEL", "OVHT", ui::colours::Red,
     {"A. Overheat detected in the left main wheel well",
      "B. LH bus isolated after a bus fault",
      "C. Left main gear not down and locked",
      "D. Heating of one or more LH probes faulty"},
     kRef},
    // 12
    {"C", "BAT", "", ui::colours::Yellow,
     {"A. Battery contactor open and batttery is connected to the ESS bus",
      "B. Battery contactor closed and batttery is not connected to the ESS bus",
      "C. Battery contactor open and batttery is not connected to the ESS bus",
      "D. Battery contactor closed and batttery is connected to the ESS bus"},
     kRef},
    // 13
    {"D", "FADEC 1", "", ui::colours::Yellow,
     {"A. Oil pressure of #1 engine below minimum",
      "B. APR activated by FADEC 1 on takeoff",
      "C. #1 engine start in progress (starter engaged)",
      "D. Fault detected in FADEC 1 (engine control degraded)"},
     kRef},
    // 14
    {"D", "START 1", "", ui::colours::Yellow,
     {"A. Generator 1 off line with the #1 engine running",
      "B. APU start failed or aborted",
      "C. Fault detected in FADEC 1 (engine control degraded)",
      "D. #1 engine start sequence in progress"},
     kRef},
    // 15
    {"A", "THRUST", "REVERSER 1", ui::colours::Yellow,
     {"A. #1 thrust reverser not stowed and locked",
      "B. Fault detected in FADEC 1",
      "C. #1 engine hydraulic pump pressure low, reverser stowed",
      "D. Hydraulic tank pressurization low"},
     kRef},
    // 16
    {"C", "GEN 1", "", ui::colours::Yellow,
     {"A. APU generator off line with the APU running",
      "B. Battery off the ESS bus, its contactor open",
      "C. Generator 1 off line, its line contactor open",
      "D. RH bus tied to the ESS bus"},
     kRef},
    // 17
    {"B", "FUEL 1", "", ui::colours::Yellow,
     {"A. Fuel quantity in #1 tank below the low level",
      "B. Fuel pressure to #1 engine low",
      "C. #1 engine fuel filter bypass impending",
      "D. Fueling lever not set to OFF after refueling"},
     kRef},
    // 18
    {"A", "LO", "FUEL 1", ui::colours::Yellow,
     {"A. Fuel remaining in #1 tank below the low level",
      "B. Fuel pressure to #1 engine low",
      "C. A fueling vent valve not closed after refueling",
      "D. #1 engine fuel filter clogged (impending bypass)"},
     kRef},
    // 19
    {"B", "PUMP 1", "HYDR #1", ui::colours::Yellow,
     {"A. Hydraulic tank pressurization low",
      "B. #1 engine-driven pump of #1 hydraulic system pressure low",
      "C. Standby pump running non-stop for more than 1 min.",
      "D. #2 hydraulic isolation valve not in correct position"},
     kRef},
    // 20
    {"D", "FUELING", "", ui::colours::Yellow,
     {"A. One or both fueling vent valves not closed",
      "B. One of two refueling doors not closed",
      "C. Fueling lever not set to OFF",
      "D. All of the above"},
     kRef},
    // 21
    {"D", "PITCH", "FEEL", ui::colours::Yellow,
     {"A. Pitch feel unit failed to follow the airspeed",
      "B. Pitch feel actuator failure",
      "C. Disagreement between the two pitch feel channels",
      "D. All of the above"},
     kRef},
    // 22
    {"D", "AUTO", "SLATS", ui::colours::Yellow,
     {"A. A contradiction exists between IAS data and AOA Data",
      "B. A contradiction exists between ground/flight data and one or both ADC's invalid",
      "C. Slats are in the auto mode",
      "D. Both A and B"},
     kRef},
    // 23
    {"B", "LH", "PROBES", ui::colours::Yellow,
     {"A. Heating of the standby total pressure probe faulty",
      "B. Heating of one or more LH probes faulty",
      "C. Contradiction between IAS and AOA data",
      "D. LH windshield heat faulty"},
     kRef},
    // 24
    {"C", "AP", "TRIM FAIL", ui::colours::Yellow,
     {"A. Autopilot disengaged other than by the normal disconnect",
      "B. Autopilot holding a sustained out-of-trim force",
      "C. Autopilot pitch trim failure while the autopilot is engaged",
      "D. Pitch feel actuator failure"},
     kRef},
    // 25
    {"D", "APU GEN", "", ui::colours::Yellow,
     {"A. Generator 2 off line with the #2 engine running",
      "B. RH bus tied to the ESS bus (bus tie switch TIED)",
      "C. Overheat detected in the aft compartment around the APU",
      "D. APU generator off line with the APU running"},
     kRef},
    // 26
    {"D", "LH BUS", "ISOL", ui::colours::Yellow,
     {"A. LH bus tie contactor open",
      "B. LH/ESS bus tie rotary switch set to UNTIED",
      "C. LH bus isolated automatically after a bus fault",
      "D. All of the above"},
     kRef},
    // 27
    {"C", "NOSE", "CONE OVHT", ui::colours::Yellow,
     {"A. Overheat detected in the aft service compartment",
      "B. Nose landing gear not down and locked",
      "C. Avionics overheat detected in the nose cone",
      "D. Heating of one or more LH probes faulty"},
     kRef},
    // 28
    {"A", "HYDR TK", "PRESS", ui::colours::Yellow,
     {"A. Hydraulic tank pressurization low",
      "B. Brake accumulator pressure low",
      "C. #2 engine-driven pump of #1 hydraulic system pressure low",
      "D. Hydraulic fluid overheat in the #1 system tank"},
     kRef},
    // 29
    {"B", "BRAKE", "ACCU", ui::colours::Yellow,
     {"A. Brake pressure applied with the brake pedals released",
      "B. Brake accumulator pressure low",
      "C. Hydraulic tank pressurization low",
      "D. One brake system or its anti-skid failed"},
     kRef},
    // 30
    {"C", "FLAP", "ASYM", ui::colours::Yellow,
     {"A. Flaps beyond the takeoff setting with the power levers advanced",
      "B. Aileron trim not in the zero position",
      "C. Left and right flap surfaces in different positions",
      "D. Gear not down and locked with landing flaps set"},
     kRef},
    // 31
    {"A", "SD BY", "PITOT", ui::colours::Yellow,
     {"A. Heating of standby total pressure probe faulty",
      "B. Heat for standby total pressure probe is on",
      "C. Heating of standby total pressure probe in test mode",
      "D. Standy pitot heat has detected an overheat condition"},
     kRef},
    // 32
    {"D", "APU", "FAULT", ui::colours::Yellow,
     {"A. APU automatic shutdown",
      "B. APU start failed or aborted",
      "C. APU control unit failure",
      "D. All of the above"},
     kRef},
    // 33
    {"B", "ECU", "OVHT", ui::colours::Yellow,
     {"A. Fault detected in the engine control unit (FADEC 1)",
      "B. Overheat detected in the cabin air conditioning unit (ECU)",
      "C. Overheat detected in the nose cone avionics compartment",
      "D. APU electronic control unit failure"},
     kRef},
    // 34
    {"A", "HYRD #2", "ISOL", ui::colours::Yellow,
     {"A. #2 Hydraulic system isolation valve not in correct position",
      "B. On ground the valve should be closed",
      "C. In-flight, the valve should be open when slats are retracted",
      "D. None of the above"},
     kRef},
    // 35
    {"C", "BRAKE", "", ui::colours::Yellow,
     {"A. Loss of both brake systems (#1 and #2)",
      "B. Brake pressure applied with the brake pedals released",
      "C. One brake system (#1 or #2) or its anti-skid failed",
      "D. None of the above"},
     kRef},
    // 36
    {"D", "ANTI-ICE", "", ui::colours::Yellow,
     {"A. Wing anti-ice valve not in the selected position",
      "B. Engine anti-ice pressure low with anti-ice selected on",
      "C. Wing leading edge temperature low with anti-ice on",
      "D. All of the above"},
     kRef},
    // 37
    {"A", "AIL", "FEEL", ui::colours::Yellow,
     {"A. Aileron artificial feel unit failure",
      "B. Aileron trim not in the zero (neutral) position",
      "C. Autopilot holding a sustained out-of-trim force",
      "D. Pitch feel actuator failure"},
     kRef},
    // 38
    {"C", "AIL", "ZERO", ui::colours::Yellow,
     {"A. Failure of the aileron artificial feel unit",
      "B. Autopilot holding a sustained out-of-trim force",
      "C. Aileron trim not in the neutral position",
      "D. Pitch trim outside the takeoff range at takeoff power"},
     kRef},
    // 39
    {"D", "MISTRIM", "", ui::colours::Yellow,
     {"A. Pitch trim outside the takeoff range with power levers advanced",
      "B. Aileron trim not in the zero position",
      "C. Autopilot pitch trim failure with the autopilot engaged",
      "D. Autopilot holding a sustained out-of-trim force"},
     kRef},
    // 40
    {"B", "APR", "", ui::colours::Yellow,
     {"A. Fault detected in FADEC 1 during the takeoff roll",
      "B. APR activated after an engine failure on takeoff",
      "C. Power levers advanced with the aircraft not set for takeoff",
      "D. Oil pressure of #1 engine below minimum on takeoff"},
     kRef},
    // 41
    {"A", "RH BUS", "TIED", ui::colours::Yellow,
     {"A. RH bus connected to the ESS bus by the ESS/RH bus tie switch",
      "B. LH/ESS bus tie rotary switch set to UNTIED",
      "C. RH bus isolated automatically after a bus fault",
      "D. Battery contactor open and battery not connected to the ESS bus"},
     kRef},
    // 42
    {"B", "AFT COMP", "OVHT", ui::colours::Yellow,
     {"A. Smoke detected in the baggage compartment",
      "B. Overheat detected in the aft service compartment",
      "C. Fire condition exists in APU",
      "D. Standby pump selector in the aft compartment left at ground test"},
     kRef},
    // 43
    {"D", "PUMP 2", "HYDR #1", ui::colours::Yellow,
     {"A. Brake accumulator pressure low",
      "B. #2 hydraulic system isolation valve not in correct position",
      "C. Standby pump in non-stop operation for more than 1 min.",
      "D. #2 engine-driven pump of #1 hydraulic system pressure low"},
     kRef},
    // 44
    {"A", "BRAKE", "PRESS", ui::colours::Yellow,
     {"A. Brake pressure applied with the brake pedals released",
      "B. Brake accumulator pressure low",
      "C. One brake system (#1 or #2) or its anti-skid failed",
      "D. None of the above"},
     kRef},
    // 45
    {"D", "RECIR", "ISOL", ui::colours::Yellow,
     {"A. Recirculation valve is the isolate mode",
      "B. Recirculation valve not closed above 15000 ft.",
      "C. Recirculation valve not opened below 15000 ft.",
      "D. Both B and C"},
     kRef},
    // 46
    {"D", "STBY", "PUMP", ui::colours::Yellow,
     {"A. Electric pump is in non-stop operation for more than 1 min.",
      "B. Electric pump selector in aft service compartment set to ground test",
      "C. Standby pump is on",
      "D. Both A and B"},
     kRef},
}};

}  // namespace

std::span<const AnnQuestion> AnnBank() { return kBank; }

const AnnQuestion* annRow(int k) {
    if (k < 1 || k > kAnnCount) return nullptr;
    return &kBank[static_cast<std::size_t>(k - 1)];
}

}  // namespace brivan::quiz::annunciators
