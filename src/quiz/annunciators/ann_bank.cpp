// The Annunciators bank: the 46 warning and caution lights in the order they are asked.
// Rows 1 to 11 are red warnings, rows 12 to 46 yellow cautions. Each row gives the correct
// letter, the legend (lower line "" for a one-line legend), the light colour and four causes.
// Texts are kept exactly as they appear on the pilot's screen, spelling and spacing included.
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
     {"A. Oil quantity in #1 engine tank low",
      "B. Oil pressure of #1 engine below minimum",
      "C. Oil pressure of #2 engine below minimum",
      "D. Oil filter of #1 engine clogged (impending bypass)"},
     kRef},
    // 3
    {"B", "DOORS", "", ui::colours::Red,
     {"A. Cockpit door open with the cabin pressurized",
      "B. Main entrance door or baggage door not closed and locked",
      "C. Landing gear doors not closed after gear retraction",
      "D. Cabin differential pressure above 9.3 psi"},
     kRef},
    // 4
    {"D", "BRAKE", "", ui::colours::Red,
     {"A. Parking brake set with the power levers advanced",
      "B. Anti-skid protection failed on one wheel",
      "C. Brake accumulator pressure low",
      "D. Loss of both brake systems (#1 and #2)"},
     kRef},
    // 5
    {"C", "T/O", "CONFIG", ui::colours::Red,
     {"A. Slats/flaps not extended with the landing gear down",
      "B. Airbrakes extended with the landing gear down",
      "C. Power levers advanced with aircraft not configured for takeoff",
      "D. Pitch trim in the takeoff range with the autopilot engaged"},
     kRef},
    // 6
    {"B", "AP", "", ui::colours::Red,
     {"A. Autopilot engaged with the aircraft out of trim",
      "B. Autopilot disengaged other than by the normal disconnect",
      "C. Autopilot engaged in the approach mode below 1000 ft.",
      "D. Yaw damper disengaged"},
     kRef},
    // 7
    {"B", "HOT", "BAT", ui::colours::Red,
     {"A. Battery temperature at or above 120 F",
      "B. Battery temperature at or above 160 F",
      "C. Battery not connected to the ESS bus",
      "D. Battery voltage above 29.5 Volts"},
     kRef},
    // 8
    {"B", "CABIN", "", ui::colours::Red,
     {"A. Cabin pressure controller in the manual mode",
      "B. Cabin altitude above 10,000 ft.",
      "C. Cabin temperature above the selected value",
      "D. Main entrance door not closed and locked"},
     kRef},
    // 9
    {"A", "FIRE", "BAG COMP", ui::colours::Red,
     {"A. Fire or smoke detected in the baggage compartment",
      "B. Fire condition exists in APU",
      "C. Baggage compartment temperature below limits",
      "D. Baggage door not closed and locked"},
     kRef},
    // 10
    {"B", "FIRE", "APU", ui::colours::Red,
     {"A. APU N1 speed above 110 %",
      "B. Fire condition exists in APU",
      "C. Fire condition exists in #1 Engine",
      "D. APU EGT above 974 C during start"},
     kRef},
    // 11
    {"A", "LH WHEEL OVHT", "", ui::colours::Red,
     {"A. Overheat detected in the left main wheel well",
      "B. Left main tire pressure low",
      "C. Left main gear not down and locked",
      "D. Overheat detected in the right main wheel well"},
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
     {"A. #1 engine N1 above 96.7 %",
      "B. #1 engine ITT above 861 C",
      "C. Power lever 1 out of the idle detent on the ground",
      "D. Fault detected in FADEC 1 (engine control degraded)"},
     kRef},
    // 14
    {"D", "START 1", "", ui::colours::Yellow,
     {"A. #1 engine start complete and starter cut out",
      "B. Starter-generator 1 on line as a generator",
      "C. #1 engine ignition switch OFF",
      "D. #1 engine start sequence in progress (starter engaged)"},
     kRef},
    // 15
    {"A", "THRUST", "REVERSER 1", ui::colours::Yellow,
     {"A. #1 thrust reverser not stowed and locked",
      "B. #1 thrust reverser hydraulic pressure normal",
      "C. #2 thrust reverser not stowed and locked",
      "D. #1 power lever in the idle detent"},
     kRef},
    // 16
    {"C", "GEN 1", "", ui::colours::Yellow,
     {"A. Generator 1 connected to the LH bus",
      "B. Battery not connected to the ESS bus",
      "C. Generator 1 off line (line contactor open)",
      "D. Generator 2 off line"},
     kRef},
    // 17
    {"B", "FUEL 1", "", ui::colours::Yellow,
     {"A. Fuel quantity in #1 tank low",
      "B. Fuel pressure to #1 engine low",
      "C. Fuel imbalance above 2200 Lbs.",
      "D. Fueling lever not set to OFF"},
     kRef},
    // 18
    {"A", "LO", "FUEL 1", ui::colours::Yellow,
     {"A. Fuel quantity in #1 tank below the low level threshold",
      "B. Fuel pressure to #1 engine low",
      "C. Fuel temperature in #1 tank below limits",
      "D. #1 engine fuel filter clogged"},
     kRef},
    // 19
    {"B", "PUMP 1", "HYDR #1", ui::colours::Yellow,
     {"A. #1 hydraulic tank fluid level low",
      "B. #1 engine-driven pump of #1 hydraulic system pressure low",
      "C. #1 hydraulic system fluid overheat",
      "D. #1 engine-driven pump of #2 hydraulic system pressure low"},
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
     {"A. Heat for LH probes is on",
      "B. Heating of one or more LH probes faulty",
      "C. Heating of LH probes in test mode",
      "D. LH windshield heat faulty"},
     kRef},
    // 24
    {"C", "AP", "TRIM FAIL", ui::colours::Yellow,
     {"A. Autopilot disengaged by the pilot",
      "B. Pitch trim being moved manually with the autopilot off",
      "C. Autopilot pitch trim failure with the autopilot engaged",
      "D. Yaw damper failure"},
     kRef},
    // 25
    {"D", "APU GEN", "", ui::colours::Yellow,
     {"A. APU bleed air valve open",
      "B. APU started above 35000 ft.",
      "C. APU generator on line and powering the RH bus",
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
     {"A. Overheat detected in the nose wheel well",
      "B. Nose landing gear not down and locked",
      "C. Overheat detected in the nose cone (avionics compartment)",
      "D. Nose cone access door not closed"},
     kRef},
    // 28
    {"A", "HYDR TK", "PRESS", ui::colours::Yellow,
     {"A. Hydraulic tank pressurization low",
      "B. Hydraulic tank fluid level high",
      "C. Hydraulic fluid temperature high",
      "D. #2 hydraulic system isolation valve closed"},
     kRef},
    // 29
    {"B", "BRAKE", "ACCU", ui::colours::Yellow,
     {"A. Brake accumulator being recharged by #2 hydraulic system",
      "B. Brake accumulator pressure low",
      "C. Parking brake released",
      "D. Normal brake system pressure low"},
     kRef},
    // 30
    {"C", "FLAP", "ASYM", ui::colours::Yellow,
     {"A. Flaps extended above 200 Kts.",
      "B. Flap handle between two detents",
      "C. Asymmetry detected between left and right flaps",
      "D. Slats retracted with flaps extended"},
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
     {"A. Cabin temperature above the selected value",
      "B. Overheat detected in the air conditioning unit (ECU)",
      "C. Overheat detected in the avionics compartment",
      "D. ECU in the manual temperature control mode"},
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
      "B. Parking brake handle not fully released",
      "C. Failure of one brake system or its anti-skid",
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
      "B. Aileron trim not set to zero",
      "C. Pitch feel unit failure",
      "D. Aileron trim runaway"},
     kRef},
    // 38
    {"C", "AIL", "ZERO", ui::colours::Yellow,
     {"A. Aileron artificial feel unit failure",
      "B. Autopilot aileron servo disengaged",
      "C. Aileron trim not in the zero (neutral) position",
      "D. Rudder trim not in the neutral position"},
     kRef},
    // 39
    {"D", "MISTRIM", "", ui::colours::Yellow,
     {"A. Pitch trim outside the takeoff range",
      "B. Aileron trim not in the zero position",
      "C. Rudder trim not in the neutral position",
      "D. Autopilot holding a sustained out-of-trim force"},
     kRef},
    // 40
    {"B", "APR", "", ui::colours::Yellow,
     {"A. APR armed with both engines running",
      "B. APR activated (engine failure detected on takeoff)",
      "C. APR switch set to OFF before takeoff",
      "D. #1 engine ITT above 890 C"},
     kRef},
    // 41
    {"A", "RH BUS", "TIED", ui::colours::Yellow,
     {"A. RH bus tied to the ESS bus (ESS/RH bus tie switch TIED)",
      "B. Generator 2 off line",
      "C. RH bus isolated after a bus fault",
      "D. APU generator powering the RH bus"},
     kRef},
    // 42
    {"B", "AFT COMP", "OVHT", ui::colours::Yellow,
     {"A. Smoke detected in the baggage compartment",
      "B. Overheat detected in the aft service compartment",
      "C. Fire condition exists in APU",
      "D. Aft service compartment door open"},
     kRef},
    // 43
    {"D", "PUMP 2", "HYDR #1", ui::colours::Yellow,
     {"A. #2 engine-driven pump of #2 hydraulic system pressure low",
      "B. #1 hydraulic tank fluid level low",
      "C. Standby pump running",
      "D. #2 engine-driven pump of #1 hydraulic system pressure low"},
     kRef},
    // 44
    {"A", "BRAKE", "PRESS", ui::colours::Yellow,
     {"A. Brake pressure applied with the brake pedals released",
      "B. Brake accumulator pressure low",
      "C. Brake temperature high",
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
