// The checklist bank: the fifteen emergency checklists of the Memory Items quiz.
// Each checklist lists its lines by slot (slots 1 to 8 at indexes 0 to 7) in the mixed-up order
// in which they are shown; a step line carries its place in the correct sequence, a note line 0.
// Slot 7 has no box beside it, so it only ever holds a note line.
// Texts are kept exactly as they appear on the pilot's screen, dot leaders and spacing included.
#include "quiz/memory_items/mem_bank.h"

namespace brivan::quiz::memory_items {
namespace {

// Electrical fire or smoke and smoke removal share their lines, the note among them.
constexpr std::array<MemLine, kMemSlots> kSmokeWithFlameNote{{
    {"Oxygen Masks and Smoke Goggles . . . . . . . . . . . . .100%/DONNED", 1},
    {"No Smoking Sign. . . . . . . . . . . . . . . . . . . . . . . . . . . ON", 3},
    {"Microphone Selector . . . . . . . . . . . . . . . . . . . . . . . . MASK/TESTED", 2},
    {"    Only if there is no flame in the cabin", 0},
    {"Oxygen Controller and Passenger Mask  . . . . . . . . . OVERRIDE/DONNED", 4},
    {},
    {},
    {},
}};

constexpr std::array<MemChecklist, kMemCount> kBank{{
    // 1
    {"ENGINE FIRE",
     "Checklist E-2",
     MemLight{"FIRE 1", "", ui::colours::Red},
     {{
         {"ESS/RH Bus Tie Rotary Switch . . . . . . . . . . . .TIED", 2},
         {"Power Lever . . . . . . . . . . . . . . . . . . . . . . . . . .FLIGHT IDLE", 1},
         {"FUEL ENG switch . . . . . . . . . . . . . . . . . . . . . OFF", 3},
         {"FUEL SHUT-OFF Switch . . . . . . . . . . . . . . . .ACTUATE", 4},
         {"Airspeed . . . . . . . . . . . . . . . . . . . . . . . . . . . . . BELOW 250 KIAS", 5},
         {"Fire Extingisher DISCH Switch . . . . . . . . . . . . .POSITION 2", 7},
         {"If fire warning persists after 30 seconds", 0},
         {"Fire Extinguisher DISCH Switch . . . . . . . . . . . .POSITION 1", 6},
     }}},
    // 2
    {"APU FIRE",
     "Checklist E-3",
     MemLight{"FIRE", "APU", ui::colours::Red},
     {{
         {"APU Fire Extinguisher DISCH Switch . . . . . . .Position 1", 3},
         {"Airspeed . . . . . . . . . . . . . . . . . . . . . . . . . . . . .BELOW 250 KIAS", 2},
         {"APU FUEL SHUT-OFF Switch . . . . . . . . . . .Actuate", 1},
         {},
         {},
         {},
         {},
         {},
     }}},
    // 3
    {"MAIN WHEEL WELL OVERHEAT",
     "Checklist E-5",
     MemLight{"LH WHEEL", "OVHT", ui::colours::Red},
     {{
         {"Airspeed . . . . . . . . . . . . . . . . . . .Below 190 KIAS/0.70(Vlo/Mlo)", 1},
         {"Airspeed . . . . . . . . . . . . . . . . . . .BELOW 245 KIAS/0.75(Vle/Mle)", 3},
         {"Landing Gear . . . . . . . . . . . . . . . .EXTENDED", 2},
         {},
         {},
         {},
         {},
         {},
     }}},
    // 4
    {"ELECTRICAL FIRE OR SMOKE",
     "Checklist E-6",
     std::nullopt,
     kSmokeWithFlameNote},
    // 5
    {"AIR CONDITIONING SMOKE",
     "Checklist E-8",
     std::nullopt,
     {{
         {"Oxygen Masks and Smoke Goggles . . . . . . . . . . . . .100%/DONNED", 1},
         {"No Smoking Sign. . . . . . . . . . . . . . . . . . . . . . . . . . . ON", 3},
         {"Microphone Selector . . . . . . . . . . . . . . . . . . . . . . . . MASK/TESTED", 2},
         {"Oxygen Controller and Passenger Mask  . . . . . . . . . OVERRIDE/DONNED", 4},
         {},
         {},
         {},
         {},
     }}},
    // 6
    {"SMOKE REMOVAL",
     "Checklist E-9",
     std::nullopt,
     kSmokeWithFlameNote},
    // 7
    {"TWO ENGINE-OUT CONDITION.....ABOVE 35,000 FEET",
     "Checklist E-10",
     std::nullopt,
     {{
         {"Decend to APU start Envelope . . . . . . . . . . . . .< 35,000 FEET", 2},
         {"Airspeed. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . CRUISE MACH", 1},
         {"Communications . . . . . . . . . . . . . . . . . . . . . . . . VHF 1/ATC 1", 4},
         {"Copilot AUDIO Control Panel  . . . . . . . . . . . . . EMG", 3},
         {},
         {},
         {},
         {},
     }}},
    // 8
    {"TWO ENGINE-OUT CONDITION.....BELOW 35,000 FEET",
     "Checklist E-12",
     std::nullopt,
     {{
         {"Communications . . . . . . . . . . . . . . . . . . . . . . . . . . .VHF 1/ATC 1", 4},
         {"Copilot AUDIO Control Panel. . . . . . . . . . . . . . . . . EMG", 3},
         {"Start APU within the Envelope", 2},
         {"Airspeed  . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . BEST GLIDE", 1},
         {},
         {},
         {},
         {},
     }}},
    // 9
    {"TWO GENERATORS INOPERATIVE",
     "Checklist E-14",
     MemLight{"GEN 1", "GEN 2", ui::colours::Yellow},
     {{
         {"ESS/RH Bus Tie Rotary Switch . . . . . . . . . . . . . . . . . . . .FLIGHT NORMAL", 1},
         {"LH/ESS Bus Tie Rotary Switch . . . . . . . . . . . . . . . . . . . .UNTIED", 2},
         {},
         {},
         {},
         {},
         {},
         {},
     }}},
    // 10
    {"LOSS OF BOTH HYDRAULIC SYSTEMS",
     "Checklist E-16",
     MemLight{"PUMP #", "HYDR #", ui::colours::Yellow},
     {{
         {"AP And YD . . . . . . . . . . . . . . . . . . . . . . . . . . . .DISENGAGED", 2},
         {"Airspeed. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . BELOW 260 KIAS/MI 0.76", 3},
         {"HYDR 2 ISOL Switch . . . . . . . . . . . . . . . . . . . . CLOSED", 1},
         {},
         {},
         {},
         {},
         {},
     }}},
    // 11
    {"RAPID DEPRESSURIZATION",
     "Checklist E-18",
     std::nullopt,
     {{
         {"Crew Oxygen Masks . . . . . . . . . . . . . . . . . . . . . . . .100%/DONNED", 1},
         {"Fasten Belts and No Smoking Sign. . . . . . . . . . . . . . ON", 3},
         {"Microphone Selector . . . . . . . . . . . . . . . . . . . . . . . . MASK", 2},
         {"Oxygen Controller and Passenger Mask  . . . . . . . . . OVERRIDE/DONNED", 4},
         {"Emergency Descent  . . . . . . . . . . . . . . . . . . . . . . . . . INITIATE", 5},
         {},
         {},
         {},
     }}},
    // 12
    {"EMERGENCY DESCENT",
     "Checklist E-18",
     std::nullopt,
     {{
         {"Power Levers . . . . . . . . . . . . . . . . . . . . . . . .IDLE DETENT", 2},
         {"Autopilot. . . . . . . . . . . . . . . . . . . . . . . . . . . .DISENGAGED", 1},
         {"Descent Airspeed . . . . . . . . . . . . . . . . . . . . .Mmo/Vmo Smooth Air Conditions", 4},
         {"Airbrake Handle  . . . . . . . . . . . . . . . . . . . . . POSITION 2", 3},
         {"ATC Transponder  . . . . . . . . . . . . . . . . . . . .CODE 7700", 5},
         {},
         {},
         {},
     }}},
    // 13
    {"FORCED LANDING",
     "Checklist E-19",
     std::nullopt,
     {{
         {"ATC Transponder . . . . . . . . . . . . . . . . . . . . . . . . . . CODE 7700", 2},
         {"Fasten Belts and No Smoking . . . . . . . . . . . . . . . . . .ON", 3},
         {"Passengers . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . INSTRUCTED", 4},
         {"Transmission of Distress Signal . . . . . . . . . . . . . . . . . .MAYDAY", 1},
         {},
         {},
         {},
         {},
     }}},
    // 14
    {"EMERGENCY EVACUATION",
     "Checklist E-20",
     std::nullopt,
     {{
         {"PARK BRAKE . . . . . . . . . . . . . . . . . . . . . . . . . . . .SET", 1},
         {"Passengers. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . INSTRUCTED", 3},
         {"ATC-Distress Transmission . . . . . . . . . . . . . . . . . . . NOTIFY", 2},
         {},
         {},
         {},
         {},
         {},
     }}},
    // 15
    {"DITCHING",
     "Checklist E-21",
     std::nullopt,
     {{
         {"Transmission of Distress Signal . . . . . . . . . . . . . . . . .MAYDAY", 1},
         {"Fasten Belts and No Smoking . . . . . . . . . . . . . . . . . .ON", 3},
         {"ATC Transponder . . . . . . . . . . . . . . . . . . . . . . . . . . CODE 7700", 2},
         {"Life Jackets. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .DONNED/CHECKED", 5},
         {"Passengers. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . INSTRUCTED", 4},
         {},
         {},
         {},
     }}},
}};

}  // namespace

std::span<const MemChecklist> memBank() { return kBank; }

const MemChecklist* memRecord(int n) {
    if (n < 1 || n > kMemCount) return nullptr;
    return &kBank[static_cast<std::size_t>(n - 1)];
}

}  // namespace brivan::quiz::memory_items
