"""The drill: a pilot's first question on each quiz, with the keyboard alone, and the words each
step must produce: the window it opens, what the program tells the screen reader (questions,
verdicts, references, scores), the control that then has the focus. One table for every drill:
Orca reading the desktop program (orca_test.py) and the page in Firefox, and the page's walk and
accessibility check in each browser engine. Each drill reads of a step what it can observe.

Keys are named as a page's KeyboardEvent.key names them; ("Alt", "n") is Alt held with N, ("Shift",
"Tab") Shift held with Tab. Where the
mouse can do a step too, CLICKS says how: a control's table name is a click on it, ("type", TEXT)
types, ("pick", BOX, N) picks item N from the drop-down box's list.
"""
from typing import NamedTuple

TERMS = "Brivan Review Program"
LIMITATIONS, ANNUNCIATORS, MEMORY_ITEMS = (f"Brivan 2000 {q}" for q in ("Limitations", "Annunciators", "Memory Items"))
RESULTS = "Brivan 2000 Quit or Continue?"
ANSWER_BOX = "Enter your answer here!"  # the answer box, read by its tool tip


class Step(NamedTuple):
    what: str
    keys: tuple = ()     # pressed in turn
    window: str = ""     # the window the step opens
    read: tuple = ()     # what is read of that window besides its name: its description
    told: tuple = ()     # what the program tells the screen reader, in this order
    focus: str = ""      # the control that then has the focus, by the name it is read by
    role: str = ""       # its role, in a screen reader's words, where the move of the focus is heard
    value: str = ""      # its value
    until: bool = False  # the keys pressed again until the focus is there (at most ten times)
    once: tuple = ()     # words said once, not twice
    never: tuple = ()    # words never said
    clicks: tuple = ()   # the same step by the mouse


QUESTION_1 = "The wing span is __ ft. 5 in."
JUDGED_WRONG_1 = ("That's Not Correct!", "The Correct Answer is 63.", "Reference Vol 1 Page 0-5.",
                  "0 out of 1 correct!", "0 percent.")
FIRST_LIGHT = ("What will cause the illumination of the displayed annunciator?", "Warning light: FIRE 1.",
               "A. Fire condition exists in #1 Engine (with fire audio warning)",
               "B. Fire condition exists in APU.", "C. Fire condition exists baggage.",
               "D. Smoke detected in baggage compartment.")
CHOICES = tuple(c.rstrip(".") for c in FIRST_LIGHT[2:])  # the option buttons, named by their choices
WRONG_LIGHT = ("That's Not Correct!", "The Correct Answer is A.", "Reference: Flight Safety Manual 4-3.")
ENGINE_FIRE = ("ENGINE FIRE.", "Warning light: FIRE 1.", "ESS/RH Bus Tie Rotary Switch, TIED.",
               "Power Lever, FLIGHT IDLE.", "FUEL ENG switch, OFF.", "FUEL SHUT-OFF Switch, ACTUATE.",
               "Airspeed, BELOW 250 KIAS.", "Fire Extingisher DISCH Switch, POSITION 2.",
               "If fire warning persists after 30 seconds.", "Fire Extinguisher DISCH Switch, POSITION 1.")
# The drop-down boxes, named by the steps they number (the note line numbers nothing).
STEPS = tuple(s.rstrip(".") for s in ENGINE_FIRE[2:] if not s.startswith("If "))
WRONG_ORDER = ("That's Not Correct!", "The Correct Order is 2 1 3 4 5 7 6.", "Reference: Checklist E-2.")

OPENING = (
    Step("the terms screen", window=TERMS, focus="I Agree", role="button",
         read=("Skyward Study Press does not guarantee", "used for training purposes only")),
    Step("Enter on I Agree", ("Enter",), window=LIMITATIONS, focus="Next Question", role="button", never=("&",),
         clicks=("cmdContinue",)),
)
LIMITATIONS_FIRST = (
    Step("Limitations, Alt+N", (("Alt", "n"),), told=(QUESTION_1,), focus=ANSWER_BOX, once=("The wing span is",),
         clicks=("cmdEnter",)),
    Step("Limitations, 64 and Enter in the answer box", ("6", "4", "Enter"), told=JUDGED_WRONG_1,
         focus="Next Question", once=("That's Not Correct!", "The Correct Answer is 63"),
         clicks=("txtAnswer", ("type", "64"), "cmdEnteranswer")),
)
# The first question answered right: what an offline page must still judge.
RIGHT_FIRST = Step("Limitations, 63 and Enter in the answer box", ("6", "3", "Enter"),
                   told=("Correct!", "1 out of 1 correct!", "100 percent."), never=("The Correct Answer",))
ANNUNCIATORS_FIRST = (
    Step("Alt+M", (("Alt", "m"),), window=ANNUNCIATORS, focus="Next Question", role="button", never=("&",),
         clicks=("Command2",)),
    Step("Annunciators, Alt+N", (("Alt", "n"),), told=FIRST_LIGHT, focus=ANSWER_BOX, once=("Warning light: FIRE 1",),
         clicks=("cmdEnter",)),
    Step("Annunciators, typed b and Enter", ("b", "Enter"), told=(*WRONG_LIGHT, "0 out of 1 correct!", "0 percent."),
         clicks=("OptionB",)),
)
# Space on the option that has the focus answers with it. (Tab goes on past the options: they are
# one stop, as on the desktop.)
OPTION_BY_SPACE = (
    Step("Annunciators, Tab to the option buttons", ("Tab",), until=True, focus=CHOICES[0], role="radio button"),
    Step("Annunciators, Space on option A", (" ",), told=("Correct!", "1 out of 2 correct!", "50 percent."),
         never=("That's Not Correct!",), clicks=("OptionA",)),
)
# Tab goes on through the seven boxes, each read with its step and the number it holds (the nth box
# holds n as the screen starts), and Shift+Tab comes back to the first.
BOXES_BY_TAB = (*(Step(f"Memory Items, Tab to box {n}", ("Tab",), focus=step, role="combo box", value=str(n),
                       never=(". .",)) for n, step in enumerate(STEPS[1:], 2)),
                Step("Memory Items, Shift+Tab back to the first box", (("Shift", "Tab"),) * 6, focus=STEPS[0],
                     role="combo box", value="1", never=(". .",)))
MEMORY_ITEMS_FIRST = (
    Step("Alt+I", (("Alt", "i"),), window=MEMORY_ITEMS, focus="Next Question", role="button", never=("&",),
         clicks=("Command3",)),
    Step("Memory Items, Alt+N", (("Alt", "n"),), told=ENGINE_FIRE, once=("ENGINE FIRE",), never=(". .",),
         clicks=("cmdEnter",)),
    Step("Memory Items, Alt+E with the focus kept on Next Question", (("Alt", "e"),), focus="Next Question",
         told=(*WRONG_ORDER, "0 out of 1 correct!", "0 percent."), never=("Edit menu",), clicks=("cmdEnteranswer",)),
    Step("Memory Items, Tab to the first box", ("Tab",), until=True, focus=STEPS[0], role="combo box", value="1",
         never=(". .",)),
    *BOXES_BY_TAB,
    Step("Memory Items, Down arrow in the box", ("ArrowDown",), value="2", clicks=(("pick", "com1", 1),)),
    Step("Memory Items, Enter in the box", ("Enter",), told=(*WRONG_ORDER, "0 out of 2 correct!", "0 percent."),
         clicks=("cmdEnteranswer",)),
)
DRILL = OPENING + LIMITATIONS_FIRST + ANNUNCIATORS_FIRST + OPTION_BY_SPACE + MEMORY_ITEMS_FIRST
