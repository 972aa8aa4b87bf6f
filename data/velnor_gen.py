#!/usr/bin/env python3
"""Generator of data/velnor.txt, the plain-text source of the Velnor refrigerant database.

Pure Python 3, no third-party packages. Run from the repository root:

    python3 data/velnor_gen.py            # write data/velnor.txt
    python3 data/velnor_gen.py --report   # also print the property and sizing tables
    python3 data/velnor_gen.py --stdout   # print the file instead of writing it
    python3 data/velnor_gen.py --check    # compare data/velnor.txt with published selections

The coefficients it writes are ENGINEERING ESTIMATES from a simple physical model (see
data/README.md): Peng-Robinson properties of each refrigerant (pseudo-pure for the blends), a
homogeneous-equilibrium capillary flow model and the same tube passing nitrogen at 10 bar,
calibrated to one published R22 figure. They are meant to be replaced by a proper derivation
from measured capillary data.
"""

import math
import sys
from pathlib import Path

# ---------------------------------------------------------------------------------------------
# Fixed parts of the file
# ---------------------------------------------------------------------------------------------

HEADER = "Velnor database"   # first header line, at most 19 characters
VERSION = "1.0.0"            # second header line, at most 15 characters
TARGET_LENGTH = 2.5          # preferred capillary length, m

DIAM_EUROPE_MM = ["0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4",
                  "1.5", "1.6", "1.8", "2.0", "2.2", "2.5"]
DIAM_NORTH_AMERICA_IN = ["0.020", "0.024", "0.026", "0.028", "0.031", "0.036", "0.040",
                         "0.042", "0.049", "0.054", "0.059", "0.064", "0.070", "0.075",
                         "0.080", "0.085", "0.090"]

CAPTION = ("Name,EvapMin,EvapMax,CondMin,CondMax,RGasMin,RGasMax (C),"
           "c0,c1,c2,c3,c4,c5,c6,c7,c8,c9,k0,k1,k2,k3")

# Help text: at most 99 lines of at most 100 characters. The parser skips an empty line after a
# single LF, so a blank line of the dialog is written as one space. The help dialog's field
# removes the characters in HELP_EXCLUDED (its character filter), so the text uses none of them;
# lines are kept to HELP_WIDTH characters so that the field (300 dialog units wide, no word
# wrap) shows them without sideways scrolling.
HELP_EXCLUDED = "%'*\"+?><:\\"
HELP_WIDTH = 76
HELP = """\
Velnor suggests a capillary tube for a refrigeration system that uses a
capillary as its expansion device.
 
How to use it
1. Pick the refrigerant of the system in the refrigerant list.
2. Enter the heat load, the cooling capacity of the system at its operating
   point (1 to 10000 W, or 4 to 34121 Btu/hr).
3. Enter the evaporating temperature.
4. Enter the condensing temperature.
   Both are saturation temperatures; for blends with a glide use the mean of
   the dew and the bubble point.
5. Enter the return gas temperature, the suction gas temperature at the
   compressor inlet. Compressor ratings use 32 C (89.6 F); enter that when
   the actual value is not known.
 
Within about a second Velnor shows the equivalent nitrogen flow of a
suitable tube (the flow it passes with nitrogen at a pressure difference of
10 bar) and the tube table. A tube of any listed inner diameter passes that
flow at the length shown beside it, so every row is a possible choice.
The row shown in green is the optimal tube, the diameter whose length comes
closest to the preferred length of the database (@TARGET@ m).
When an input lies outside the validity range of the refrigerant, the table
names that input and shows its allowed range instead of tube sizes.
 
Settings
Choose the units (W or Btu/hr, C or F, bar or psi, mm or inches for the
diameters, m or inches for the lengths, l/min or CFM for the flow) and the
list of standard diameters (Europe in mm, North America in inches). Values
already typed are converted to the new units.
 
Refrigerants
The newer refrigerants follow the older ones at the end of the list.
R454B   air conditioning and heat pumps, in place of R410A
R454C   commercial refrigeration, in place of R404A
R455A   commercial refrigeration, in place of R404A
R1270   propylene, plug-in cabinets and chillers, in place of R290
R452A   transport and commercial refrigeration, in place of R404A
 
Print
Prints a one-page report with the inputs, the nitrogen flow, the tube table
and the optimal selection.
 
Good practice
- Check the chosen tube on the real system. The charge, the subcooling and
  the suction line heat exchanger change the flow. When in doubt, measure
  the nitrogen flow of the tube.
- A longer tube of the same diameter passes less refrigerant, a shorter one
  passes more.
- Keep the tube clean and dry and avoid sharp bends and kinks; they reduce
  the flow.
 
The results are engineering estimates. They give no guarantee of the
performance of a system."""

# ---------------------------------------------------------------------------------------------
# Refrigerants
# ---------------------------------------------------------------------------------------------
# name, critical temperature K, critical pressure bar, molar mass g/mol, normal boiling point C
# (mean of bubble and dew point for blends), ideal-gas cp at 300 K kJ/(kg K), saturated liquid
# density at 25 C kg/m3, and the validity ranges Te, Tc, Trg (C).
FLUIDS = [
    # name       Tcrit   Pcrit  M       NBP     cp0   rho25   Te          Tc        Trg
    ("R134a",    374.21, 40.59, 102.03, -26.07, 0.85, 1206.7, (-30, 15), (25, 65), (-20, 45)),
    ("R600a",    407.81, 36.29, 58.12,  -11.75, 1.67, 550.7,  (-35, 5),  (25, 60), (-20, 45)),
    ("R290",     369.89, 42.51, 44.10,  -42.11, 1.67, 492.6,  (-40, 10), (25, 60), (-20, 45)),
    ("R404A",    345.27, 37.35, 97.60,  -46.2,  0.87, 1044.0, (-45, 0),  (25, 55), (-20, 40)),
    ("R507A",    343.77, 37.05, 98.86,  -46.74, 0.86, 1048.0, (-45, 0),  (25, 55), (-20, 40)),
    ("R22",      369.30, 49.90, 86.47,  -40.81, 0.66, 1191.0, (-40, 10), (25, 60), (-20, 45)),
    ("R407C",    359.35, 46.32, 86.20,  -40.3,  0.83, 1134.0, (-25, 12), (25, 60), (-10, 40)),
    ("R410A",    344.49, 49.01, 72.58,  -51.5,  0.81, 1062.0, (-25, 12), (25, 60), (-10, 40)),
    ("R32",      351.26, 57.82, 52.02,  -51.65, 0.82, 961.0,  (-25, 12), (25, 60), (-10, 40)),
    ("R1234yf",  367.85, 33.82, 114.04, -29.45, 0.90, 1092.0, (-30, 15), (25, 65), (-20, 45)),
    ("R1234ze(E)", 382.51, 36.36, 114.04, -18.97, 0.88, 1163.0, (-25, 15), (25, 65), (-20, 45)),
    ("R513A",    368.1,  37.66, 108.4,  -29.2,  0.88, 1140.0, (-30, 15), (25, 65), (-20, 45)),
    ("R448A",    356.8,  46.6,  86.3,   -42.9,  0.84, 1100.0, (-40, 5),  (25, 55), (-20, 40)),
    ("R449A",    354.8,  44.7,  87.2,   -42.5,  0.84, 1110.0, (-40, 5),  (25, 55), (-20, 40)),
    # The five below follow the fourteen above, whose order is kept: a stored choice is an index.
    # The blends are made up from their components (BLENDS); see blend_row.
    "R454B", "R454C", "R455A",
    ("R1270",    364.211, 45.55, 42.080, -47.62, 1.537, 506.3, (-40, 10), (25, 60), (-20, 45)),
    "R452A",
]

# Pure components of the blends: critical temperature K, critical pressure bar, molar mass g/mol,
# acentric factor, ideal-gas cp at 300 K kJ/(kg K), saturated liquid density at 25 C kg/m3.
# Values of the reference equations of state (data/README.md names them). None: not used.
COMPONENTS = {
    "R32":     (351.255, 57.82,  52.024,  0.2769,  0.82,   961.0),
    "R1234yf": (367.85,  33.822, 114.042, 0.276,   0.90,   1092.0),
    "R125":    (339.173, 36.177, 120.021, 0.3052,  0.7897, 1189.3),
    "R744":    (304.128, 73.773, 44.010,  0.22394, 0.846,  None),
}

# Blends: mass fractions of the components (ASHRAE Standard 34 designations), the ranges Te, Tc,
# Trg (C), condensing at least 15 K below the blend's critical temperature, and the blend's own
# published constants (data/README.md names the sources): "bubble" and "glide", the bubble point
# at 1.01325 bar and the glide there (C, K); "rho", a saturated liquid density (kg/m3) at a
# temperature (C). Whatever is not published is estimated from the components, see blend_row.
BLENDS = {
    "R454B": ({"R32": 0.689, "R1234yf": 0.311}, (-25, 12), (25, 60), (-10, 40),
              {"bubble": -50.9, "glide": 1.5, "rho": (996.5, 21.1)}),
    "R454C": ({"R32": 0.215, "R1234yf": 0.785}, (-40, 5), (25, 60), (-20, 40), {}),
    "R455A": ({"R744": 0.03, "R32": 0.215, "R1234yf": 0.755}, (-40, 5), (25, 60), (-20, 40),
              {}),
    "R452A": ({"R32": 0.11, "R125": 0.59, "R1234yf": 0.30}, (-45, 0), (25, 55), (-20, 40), {}),
}


def rackett_density(rho, t_from, t_to, tcrit, pcrit_bar, molar_g):
    """Saturated liquid density at t_to (C) on the Rackett curve through rho at t_from (C),
    the curve Fluid uses."""
    base = molar_g / 1000.0 * pcrit_bar * 1e5 / (R_GAS * tcrit)
    log_z = math.log(base / rho) / (1.0 + (1.0 - (t_from + 273.15) / tcrit) ** (2.0 / 7.0))
    return base / math.exp(log_z * (1.0 + (1.0 - (t_to + 273.15) / tcrit) ** (2.0 / 7.0)))


def blend_row(name):
    """The FLUIDS row of a blend, pseudo-pure. Published constants of the blend are used where
    BLENDS has them: the normal boiling point is then the mean of the bubble point and the dew
    point (bubble plus glide), and omega is fitted to it; a published liquid density is moved to
    25 C along the Rackett curve. The rest comes from the components: molar mass and ideal-gas cp
    exactly (mole and mass averages), critical temperature and pressure and, without a published
    boiling point, the acentric factor as mole-fraction averages (Kay's rule), and without a
    published density the components' liquid volumes at 25 C added. A component without a liquid
    density (CO2, critical at 31 C) counts at the density of the rest."""
    mass, te, tc, trg, published = BLENDS[name]
    moles = {c: w / COMPONENTS[c][2] for c, w in mass.items()}
    total = sum(moles.values())
    x = {c: n / total for c, n in moles.items()}
    molar = 1.0 / total
    tcrit = sum(x[c] * COMPONENTS[c][0] for c in x)
    pcrit = sum(x[c] * COMPONENTS[c][1] for c in x)
    cp0 = sum(w * COMPONENTS[c][4] for c, w in mass.items())
    if "bubble" in published:
        nbp, omega = published["bubble"] + 0.5 * published["glide"], None
    else:
        nbp, omega = None, sum(x[c] * COMPONENTS[c][3] for c in x)
    if "rho" in published:
        rho = rackett_density(*published["rho"], 25.0, tcrit, pcrit, molar)
    else:
        liquid = {c: w for c, w in mass.items() if COMPONENTS[c][5]}
        rho = sum(liquid.values()) / sum(w / COMPONENTS[c][5] for c, w in liquid.items())
    return (name, tcrit, pcrit, molar, nbp, cp0, rho, te, tc, trg, omega)


def fluid_rows():
    return [blend_row(f) if isinstance(f, str) else f for f in FLUIDS]

# ---------------------------------------------------------------------------------------------
# Model constants
# ---------------------------------------------------------------------------------------------
R_GAS = 8.314462618      # J/(mol K)
P_ATM = 101325.0         # Pa
SUBCOOLING = 3.0         # K below the condensing temperature at the capillary inlet
EVAP_SUPERHEAT = 5.0     # K above the evaporating temperature at the evaporator outlet
SLHX_SHARE = 0.6         # share of the superheat from there to the return gas temperature that
                         # the capillary-suction line heat exchanger takes from the liquid
TRG_REF = 32.0           # C, return gas temperature at which H = k0
# Nitrogen test: 10 bar pressure difference from 11.01325 bar abs to the atmosphere, 20 C; the
# flow in litres per minute at 20 C and 1.01325 bar.
N2_M = 0.0280134         # kg/mol
N2_T = 293.15            # K
N2_P1 = P_ATM + 10.0e5   # Pa
N2_RHO_STD = P_ATM * N2_M / (R_GAS * N2_T)
# Calibration: R22 at Te 7.2 C, Tc 54.4 C, return gas 32 C should need 25 l/min per kW (the
# published R22 air-conditioning capillary tables, worked through the length formula).
CAL_FLUID, CAL_TE, CAL_TC, CAL_FLOW_PER_KW = "R22", 7.2, 54.4, 25.0
# The flow correlation is fitted where a capillary system works: condensing at least this many
# kelvin above evaporating (the fit is still checked over the whole validity box).
MIN_LIFT = 20.0


def cp0_of(fluid_cp300, t_k):
    """Ideal-gas heat capacity J/(kg K), rising about 0.18 % per K like these halocarbons."""
    return fluid_cp300 * 1000.0 * (1.0 + 0.0018 * (t_k - 300.0))


def h_ideal(fluid_cp300, t_k):
    """Ideal-gas enthalpy J/kg relative to 273.15 K (integral of cp0_of)."""
    t0 = 273.15
    a = fluid_cp300 * 1000.0
    return a * ((t_k - t0) * (1.0 - 0.0018 * 300.0) + 0.0009 * (t_k * t_k - t0 * t0))


class Fluid:
    """Peng-Robinson pseudo-pure fluid, acentric factor fitted to the normal boiling point,
    saturated liquid density from the Rackett equation fitted to the density at 25 C."""

    def __init__(self, name, tcrit, pcrit_bar, molar_g, nbp_c, cp300, rho25, te, tc, trg,
                 omega=None):
        self.name = name
        self.tcrit = tcrit
        self.pcrit = pcrit_bar * 1e5
        self.m = molar_g / 1000.0
        self.cp300 = cp300
        self.ranges = (te, tc, trg)
        self._sat_cache = {}
        self.b = 0.07780 * R_GAS * tcrit / self.pcrit
        self.omega = 0.25 if omega is None else omega
        if omega is None:
            self._fit_omega(nbp_c + 273.15)
        tr25 = 298.15 / tcrit
        base = self.m * self.pcrit / (R_GAS * tcrit)
        self.z_ra = (base / rho25) ** (1.0 / (1.0 + (1.0 - tr25) ** (2.0 / 7.0)))

    # --- Peng-Robinson -------------------------------------------------------------------------
    def _a(self, t):
        kappa = 0.37464 + 1.54226 * self.omega - 0.26992 * self.omega ** 2
        sq = 1.0 + kappa * (1.0 - math.sqrt(t / self.tcrit))
        ac = 0.45724 * (R_GAS * self.tcrit) ** 2 / self.pcrit
        a = ac * sq * sq
        dadt = -ac * kappa * sq / math.sqrt(t * self.tcrit)
        return a, dadt

    @staticmethod
    def _cubic_roots(c2, c1, c0):
        """Real roots of z^3 + c2 z^2 + c1 z + c0."""
        q = (3.0 * c1 - c2 * c2) / 9.0
        r = (9.0 * c2 * c1 - 27.0 * c0 - 2.0 * c2 ** 3) / 54.0
        disc = q ** 3 + r * r
        if disc > 0:
            s = math.copysign(abs(r + math.sqrt(disc)) ** (1 / 3), r + math.sqrt(disc))
            u = math.copysign(abs(r - math.sqrt(disc)) ** (1 / 3), r - math.sqrt(disc))
            return [s + u - c2 / 3.0]
        theta = math.acos(max(-1.0, min(1.0, r / math.sqrt(-q ** 3))))
        m = 2.0 * math.sqrt(-q)
        return sorted(m * math.cos((theta + 2.0 * math.pi * k) / 3.0) - c2 / 3.0 for k in range(3))

    def _z(self, t, p, phase):
        a, _ = self._a(t)
        aa = a * p / (R_GAS * t) ** 2
        bb = self.b * p / (R_GAS * t)
        roots = [z for z in self._cubic_roots(-(1.0 - bb), aa - 3 * bb * bb - 2 * bb,
                                              -(aa * bb - bb * bb - bb ** 3)) if z > bb]
        return (min(roots) if phase == "l" else max(roots)), aa, bb

    def _lnphi(self, t, p, phase):
        z, aa, bb = self._z(t, p, phase)
        s2 = math.sqrt(2.0)
        return (z - 1.0 - math.log(z - bb) - aa / (2 * s2 * bb)
                * math.log((z + (1 + s2) * bb) / (z + (1 - s2) * bb)))

    def h_departure(self, t, p, phase):
        """H - H_ideal, J/kg."""
        z, _, bb = self._z(t, p, phase)
        a, dadt = self._a(t)
        s2 = math.sqrt(2.0)
        dep = R_GAS * t * (z - 1.0) + (t * dadt - a) / (2 * s2 * self.b) * math.log(
            (z + (1 + s2) * bb) / (z + (1 - s2) * bb))
        return dep / self.m

    def psat(self, t):
        p = self.pcrit * math.exp(5.373 * (1 + self.omega) * (1 - self.tcrit / t))
        for _ in range(500):
            try:
                ratio = math.exp(self._lnphi(t, p, "l") - self._lnphi(t, p, "v"))
            except ValueError:
                ratio = 1.0
            p *= ratio
            if abs(ratio - 1.0) < 1e-11:
                break
        return p

    def _fit_omega(self, nbp_k):
        lo, hi = 0.0, 0.7
        for _ in range(60):
            self.omega = 0.5 * (lo + hi)
            if self.psat(nbp_k) > P_ATM:
                lo = self.omega   # pressure too high: larger acentric factor lowers it
            else:
                hi = self.omega
        self.omega = 0.5 * (lo + hi)

    # --- saturated and superheated states -------------------------------------------------------
    def sat(self, t):
        """Saturated state at t (K): p, rho_l, rho_v, h_l, h_v (cached on a 1 mK grid)."""
        key = round(t, 3)
        if key not in self._sat_cache:
            self._sat_cache[key] = self._sat(key)
        return self._sat_cache[key]

    def _sat(self, t):
        p = self.psat(t)
        tr = t / self.tcrit
        rho_l = self.m * self.pcrit / (R_GAS * self.tcrit) / self.z_ra ** (
            1.0 + (1.0 - tr) ** (2.0 / 7.0))
        zv, _, _ = self._z(t, p, "v")
        rho_v = p * self.m / (zv * R_GAS * t)
        hig = h_ideal(self.cp300, t)
        return p, rho_l, rho_v, hig + self.h_departure(t, p, "l"), hig + self.h_departure(t, p, "v")

    def h_vapour(self, t, p):
        return h_ideal(self.cp300, t) + self.h_departure(t, p, "v")


# ---------------------------------------------------------------------------------------------
# Capillary model
# ---------------------------------------------------------------------------------------------

def n2_mass_flux(phi):
    """Isothermal nitrogen flow through a tube of friction number phi = f L / (2 D), from
    N2_P1 to the atmosphere, choked at the outlet when the flux peaks above it. kg/(m2 s)."""
    rt = R_GAS * N2_T / N2_M
    best = 0.0
    p2 = N2_P1 * 0.999
    while p2 >= P_ATM:
        g2 = (N2_P1 ** 2 - p2 ** 2) / (2.0 * rt) / (phi + math.log(N2_P1 / p2))
        best = max(best, g2)
        p2 *= 0.995
    return math.sqrt(best)


def reference_phi():
    """Friction number of the tube that the length formula L = D^5 * 750 / F^2 gives for
    D = 1 mm and L = 2 m: the nitrogen model reproduces that tube's flow."""
    flow = math.sqrt(750.0 / 2.0)                       # l/min
    g_target = flow / 60000.0 * N2_RHO_STD / (math.pi / 4 * 1e-6)
    lo, hi = 1.0, 500.0
    for _ in range(80):
        mid = 0.5 * (lo + hi)
        if n2_mass_flux(mid) > g_target:
            lo = mid
        else:
            hi = mid
    return 0.5 * (lo + hi)


def refrigerant_mass_flux(fl, te_c, tc_c, phi):
    """Homogeneous-equilibrium, isenthalpic flow of liquid subcooled by SUBCOOLING at the
    condensing pressure through the same tube, friction plus acceleration, choked where the
    flux peaks before the evaporating pressure. kg/(m2 s)."""
    t_in = tc_c + 273.15 - SUBCOOLING
    p_c, _, _, _, _ = fl.sat(tc_c + 273.15)
    p_in_sat, rho_in, _, h_in, _ = fl.sat(t_in)
    integral = rho_in * (p_c - p_in_sat)                # liquid part
    t_e = te_c + 273.15
    best = 0.0
    t = t_in
    p_prev, rho_prev = p_in_sat, rho_in
    step = 0.25
    while t - step >= t_e - 1e-9:
        t -= step
        p, rho_l, rho_v, h_l, h_v = fl.sat(t)
        x = (h_in - h_l) / (h_v - h_l)
        rho = 1.0 / (x / rho_v + (1.0 - x) / rho_l)
        integral += 0.5 * (rho + rho_prev) * (p_prev - p)
        g2 = integral / (phi + math.log(rho_in / rho))
        best = max(best, g2)
        p_prev, rho_prev = p, rho
    return math.sqrt(best)


def refrigerating_effect(fl, te_c, tc_c, trg_c):
    """J/kg of refrigerant passing the capillary: the evaporator's refrigerating effect. The
    vapour leaves the evaporator EVAP_SUPERHEAT above Te; the liquid enters the capillary
    SUBCOOLING below Tc; of the suction superheat from the evaporator outlet to the return gas
    temperature, the share SLHX_SHARE is taken from the liquid in the capillary-suction line
    heat exchanger and so adds to the refrigerating effect (the rest comes from the
    surroundings and is lost)."""
    p_e = fl.sat(te_c + 273.15)[0]
    h_in = fl.sat(tc_c + 273.15 - SUBCOOLING)[3]
    t_out = te_c + EVAP_SUPERHEAT + 273.15
    h_out = fl.h_vapour(t_out, p_e)
    # A return gas colder than the evaporator outlet is extrapolated with the same slope.
    h_rg = fl.h_vapour(max(trg_c + 273.15, t_out), p_e)
    if trg_c + 273.15 < t_out:
        h_rg -= cp0_of(fl.cp300, t_out) * (t_out - trg_c - 273.15)
    return h_out - h_in + SLHX_SHARE * (h_rg - h_out)


class Model:
    def __init__(self):
        self.phi = reference_phi()
        self.g_n2 = n2_mass_flux(self.phi)
        self.cal = 1.0
        cal_fluid = next(Fluid(*f) for f in fluid_rows() if f[0] == CAL_FLUID)
        raw = self.flow_per_watt(cal_fluid, CAL_TE, CAL_TC, TRG_REF) * 1000.0
        self.raw_cal_value = raw
        self.cal = CAL_FLOW_PER_KW / raw

    def flow_per_watt(self, fl, te, tc, trg):
        """Nitrogen l/min per W of heat load."""
        m_per_w = 1.0 / refrigerating_effect(fl, te, tc, trg)      # kg/s per W
        g_ref = refrigerant_mass_flux(fl, te, tc, self.phi)
        m_n2 = m_per_w * self.g_n2 / g_ref                            # kg/s of N2 per W
        return self.cal * m_n2 / N2_RHO_STD * 60000.0


# ---------------------------------------------------------------------------------------------
# Fitting the flow correlation
# ---------------------------------------------------------------------------------------------

def solve(mat, vec):
    n = len(vec)
    a = [row[:] + [vec[i]] for i, row in enumerate(mat)]
    for c in range(n):
        piv = max(range(c, n), key=lambda r: abs(a[r][c]))
        a[c], a[piv] = a[piv], a[c]
        for r in range(n):
            if r != c:
                f = a[r][c] / a[c][c]
                for k in range(c, n + 1):
                    a[r][k] -= f * a[c][k]
    return [a[i][n] / a[i][i] for i in range(n)]


def least_squares(rows, values, weights):
    n = len(rows[0])
    ata = [[0.0] * n for _ in range(n)]
    atb = [0.0] * n
    for row, v, w in zip(rows, values, weights):
        for i in range(n):
            atb[i] += w * row[i] * v
            for j in range(n):
                ata[i][j] += w * row[i] * row[j]
    return solve(ata, atb)


def grid(lo, hi, step):
    n = max(1, int(round((hi - lo) / step)))
    return [lo + (hi - lo) * i / n for i in range(n + 1)]


def b_form(c, te, tc):
    return (te * c[1] + c[0]) + tc * c[2] + (te * c[3]) * tc + (te * c[4]) * te


def fit_fluid(model, fl):
    (te_lo, te_hi), (tc_lo, tc_hi), _ = fl.ranges
    rows, vals, wts, pts = [], [], [], []
    for te in grid(te_lo, te_hi, 2.5):
        for tc in grid(tc_lo, tc_hi, 2.5):
            if tc - te < MIN_LIFT:
                continue
            f = model.flow_per_watt(fl, te, tc, TRG_REF)
            rows.append([1.0, te, tc, te * tc, te * te])
            vals.append(f)
            wts.append(1.0 / (f * f))          # relative error
            pts.append((te, tc, f))
    b = least_squares(rows, vals, wts)
    worst = max(abs(b_form(b, te, tc) / f - 1.0) for te, tc, f in pts)
    worst_all = max(abs(b_form(b, te, tc) / model.flow_per_watt(fl, te, tc, TRG_REF) - 1.0)
                    for te in grid(te_lo, te_hi, 2.5) for tc in grid(tc_lo, tc_hi, 2.5))
    # Return-gas correction: H = 1 + (Trg - 32) (k1 + k2 Te + k3 Tc), from the slope of the
    # refrigerating effect with the return gas temperature, relative to its value at 32 C.
    rows_h, vals_h = [], []
    for te in grid(te_lo, te_hi, 5.0):
        for tc in grid(tc_lo, tc_hi, 5.0):
            q32 = refrigerating_effect(fl, te, tc, TRG_REF)
            slope = (refrigerating_effect(fl, te, tc, TRG_REF + 5.0)
                     - refrigerating_effect(fl, te, tc, TRG_REF - 5.0)) / 10.0 / q32
            rows_h.append([1.0, te, tc])
            vals_h.append(slope)
    k = least_squares(rows_h, vals_h, [1.0] * len(vals_h))
    return b, (worst, worst_all), [1.0] + k


# ---------------------------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------------------------

def fmt(x, sig=6):
    if x == 0.0:
        return "0"
    s = f"{x:.{sig}g}"
    if "e" in s:
        mant, exp = s.split("e")
        s = f"{mant}e{int(exp)}"
    return s


def build():
    model = Model()
    records = []
    fits = []
    for fluid_data in fluid_rows():
        fl = Fluid(*fluid_data)
        b, worst, k = fit_fluid(model, fl)
        (te_lo, te_hi), (tc_lo, tc_hi), (rg_lo, rg_hi) = fl.ranges
        c = [0.0] * 5 + b            # A = 0: the flow is proportional to the heat load
        fields = [fl.name] + [str(v) for v in (te_lo, te_hi, tc_lo, tc_hi, rg_lo, rg_hi)]
        fields += [fmt(v) for v in c] + [fmt(v, 5) for v in k]
        records.append(",".join(fields))
        fits.append((fl, c, k, worst))
    lines = ["[HELP]"] + help_lines() + ["[START]", HEADER, VERSION, fmt(TARGET_LENGTH),
             ",".join(DIAM_EUROPE_MM), ",".join(DIAM_NORTH_AMERICA_IN), CAPTION] + records
    text = "\n".join(lines) + "\n"
    return text, model, fits


def help_lines():
    return HELP.replace("@TARGET@", fmt(TARGET_LENGTH)).split("\n")


def parse_back(text):
    """The records as the program's parser reads them (blanks removed, fields by commas)."""
    lines = text.split("\n")
    start = lines.index("[START]")
    out = {}
    for line in lines[start + 7:]:
        if not line:
            break
        f = line.replace(" ", "").split(",")
        nums = [float(v) for v in f[1:21]]
        out[f[0]] = (nums[6:16], nums[16:20], nums[0:6])
    return out


def check_text(text):
    assert "\0" not in text and "\xd8" not in text
    assert len(text) < 51200, len(text)
    assert all(ord(ch) < 128 for ch in text), "keep the file ASCII"
    helps = help_lines()
    assert len(helps) <= 99
    for line in helps:
        assert 0 < len(line) <= min(100, HELP_WIDTH), line
        assert not any(ch in HELP_EXCLUDED for ch in line), line
        assert "[START]" not in line and "[HELP]" not in line
    assert len(HEADER) < 20 and len(VERSION) < 16
    for line in text.split("\n")[len(helps) + 8:-1]:
        assert line and all(len(f) <= 29 for f in line.split(",")), line


# --- the sizing calculation, as core/sizing.cpp does it ----------------------------------

def sizing(c, k, q, te, tc, trg, diams, target=TARGET_LENGTH):
    d = trg - 32.0
    h = (d * k[1] + k[0]) + (d * k[2]) * te + (d * k[3]) * tc
    a = (te * c[1] + c[0]) + tc * c[2] + (te * c[3]) * tc + (te * c[4]) * te
    b = (te * c[6] + c[5]) + tc * c[7] + (te * c[8]) * tc + (te * c[9]) * te
    flow = a + (b * q) / h
    lengths = [(di * ((di * di) * (di * di)) * 750.0) / (flow * flow) for di in diams]
    lo = hi = target
    found = len(diams)
    while found == len(diams):
        found = len(diams)
        for i, length in enumerate(lengths):
            if lo < length < hi:
                found = i
                break
        lo -= 0.01
        hi += 0.01
        if lo < 0.0:
            break
    opt = 0 if found == len(diams) else found
    return h, flow, lengths, opt


CASES = [  # refrigerant, heat load W, Te, Tc, return gas (C)
    ("R600a", 100, -25, 40, 32), ("R600a", 100, -25, 45, 32), ("R600a", 150, -25, 40, 32),
    ("R600a", 200, -25, 45, 32), ("R600a", 150, -30, 40, 32), ("R600a", 150, -25, 40, 20),
    ("R290", 300, -30, 45, 32), ("R134a", 150, -25, 45, 32), ("R134a", 500, -5, 50, 32),
    ("R404A", 1000, -10, 45, 32), ("R404A", 2000, -10, 45, 32), ("R404A", 3000, -10, 45, 32),
    ("R404A", 2000, -10, 45, 10), ("R507A", 2000, -30, 45, 32), ("R22", 3500, 7.2, 54.4, 32),
    ("R407C", 3000, 5, 45, 32), ("R410A", 2000, 5, 45, 32), ("R410A", 3500, 5, 45, 32),
    ("R410A", 5000, 5, 45, 32), ("R32", 2000, 5, 45, 32), ("R32", 3500, 5, 45, 32),
    ("R32", 5000, 5, 45, 32), ("R1234yf", 500, -5, 50, 32), ("R1234ze(E)", 500, -5, 50, 32),
    ("R513A", 500, -5, 50, 32), ("R448A", 2000, -10, 45, 32), ("R449A", 2000, -10, 45, 32),
    ("R454B", 3500, 5, 45, 32), ("R454C", 2000, -10, 45, 32), ("R455A", 2000, -10, 45, 32),
    ("R1270", 300, -30, 45, 32), ("R1270", 2000, -10, 45, 32), ("R452A", 2000, -10, 45, 32),
]

# Published tube selections the shipped coefficients are checked against (--check). Each row is
# a tube chosen for a load: through the length formula its diameter and length give a nitrogen
# flow, and the flow computed for the load at the rating condition has to lie within BAND of it.
BAND = 0.10
SELECTIONS = [
    {
        "source": "a tube maker's R22 air-conditioning capillary chart, per circuit",
        "fluid": "R22", "te": 7.2, "tc": 54.4, "trg": 18.0,
        # heat load Btu/h, inner diameter in, length in
        "rows": [(3000, .042, 86), (4000, .042, 43), (5000, .050, 72), (6000, .050, 48),
                 (8000, .055, 43), (10000, .064, 65), (12000, .070, 68), (15000, .080, 90),
                 (20000, .085, 60), (24000, .090, 55)],
    },
]
BTUH_TO_W = 0.29307107


def report(model, fits, text):
    out = []
    pr = out.append
    pr(f"reference tube 1 mm x 2 m: f L/(2 D) = {model.phi:.2f} "
       f"(Darcy f = {model.phi * 2e-3 / 2.0:.4f}); N2 flux {model.g_n2:.0f} kg/(m2 s)")
    pr(f"raw model {CAL_FLUID} {CAL_TE}/{CAL_TC} C: {model.raw_cal_value:.2f} l/min per kW, "
       f"calibration factor {model.cal:.3f}")
    pr("")
    pr("fluid        omega  Psat(Te-25,0,40,55 C) bar            rho_l(40)  dh(-10/45,32C)")
    for fl, c, k, worst in fits:
        ps = " ".join(f"{fl.sat(t + 273.15)[0] / 1e5:6.2f}" for t in (-25, 0, 40, 55))
        rl = fl.sat(313.15)[1]
        dh = refrigerating_effect(fl, -10, 45, 32) / 1000
        pr(f"{fl.name:12s} {fl.omega:.3f}  {ps}   {rl:7.1f}   {dh:6.1f} kJ/kg")
    pr("")
    pr("flow per kW at return gas 32 C (l/min), and worst relative fit error")
    for fl, c, k, worst in fits:
        (te_lo, te_hi), (tc_lo, tc_hi), (rg_lo, rg_hi) = fl.ranges
        vals = []
        for te, tc in ((te_lo, 55 if tc_hi >= 55 else tc_hi), (-10, 45), (5, 55), (te_hi, 40)):
            te = min(max(te, te_lo), te_hi)
            tc = min(max(tc, tc_lo), tc_hi)
            vals.append(f"{te:>4}/{tc:<3}: {b_form(c[5:], te, tc) * 1000:5.1f}")
        # extremes over the whole validity box, including the return gas range
        fmin, fmax, hmin, hmax = 1e9, -1e9, 1e9, -1e9
        for te in grid(te_lo, te_hi, 1.0):
            for tc in grid(tc_lo, tc_hi, 1.0):
                for trg in (rg_lo, 32.0, rg_hi):
                    d = trg - 32.0
                    h = (d * k[1] + k[0]) + (d * k[2]) * te + (d * k[3]) * tc
                    f = b_form(c[5:], te, tc) / h * 1000
                    fmin, fmax = min(fmin, f), max(fmax, f)
                    hmin, hmax = min(hmin, h), max(hmax, h)
        pr(f"{fl.name:12s} " + "  ".join(vals) + f"  fit {worst[0] * 100:4.1f}% ({worst[1] * 100:4.1f}%)"
           f"  box {fmin:5.1f}..{fmax:5.1f}  H {hmin:.3f}..{hmax:.3f}"
           f"  dH/dK {k[1] * 100:.3f}%")
    pr("")
    pr("sensitivities of the fitted flow at Te/Tc (return gas 32 C), % per K")
    for fl, c, k, worst in fits:
        (te_lo, te_hi), (tc_lo, tc_hi), _ = fl.ranges
        parts = []
        for te, tc in ((te_lo + 10, 45), (te_hi - 5, 45), (min(max(-10, te_lo), te_hi), 40),
                       (min(max(-10, te_lo), te_hi), tc_hi - 5)):
            f0 = b_form(c[5:], te, tc)
            dte = (b_form(c[5:], te + 1, tc) - b_form(c[5:], te - 1, tc)) / 2 / f0 * 100
            dtc = (b_form(c[5:], te, tc + 1) - b_form(c[5:], te, tc - 1)) / 2 / f0 * 100
            parts.append(f"{te:>4}/{tc:<3}: Te {dte:+.2f} Tc {dtc:+.2f}")
        pr(f"{fl.name:12s} " + "  ".join(parts))
    pr("")
    eu = [float(v) for v in DIAM_EUROPE_MM]
    na = [float(v) * 25.4 for v in DIAM_NORTH_AMERICA_IN]
    pr(f"sizing checks, preferred length {TARGET_LENGTH} m; idx = position in the list "
       f"(Europe 0..{len(eu) - 1}, North America 0..{len(na) - 1})")
    pr("fluid         Q W    Te    Tc  Trg  flow l/min  per kW | Europe: opt mm (idx) L m, "
       "neighbours | N.Am.: opt in (idx) L m")
    by_name = {name: (c, k) for name, (c, k, _) in parse_back(text).items()}
    for name, q, te, tc, trg in CASES:
        c, k = by_name[name]
        _, flow, le, oe = sizing(c, k, q, te, tc, trg, eu)
        _, _, ln, on = sizing(c, k, q, te, tc, trg, na)
        nb = f"{le[oe - 1]:.2f}/{le[oe + 1]:.2f}" if 0 < oe < len(eu) - 1 else "-"
        pr(f"{name:12s} {q:5d} {te:5} {tc:5} {trg:4}  {flow:8.2f}  {flow / q * 1000:6.1f} | "
           f"{eu[oe]:.1f} ({oe:2d}) {le[oe]:.2f}, {nb} | "
           f"{DIAM_NORTH_AMERICA_IN[on]} "
           f"({on:2d}) {ln[on]:.2f}")
    return "\n".join(out)


def check_selections(text):
    """Compares the coefficients in `text` with SELECTIONS. Returns the printed lines and whether
    every row lies within BAND."""
    by_name = {name: (c, k) for name, (c, k, _) in parse_back(text).items()}
    out, ok = [], True
    for sel in SELECTIONS:
        c, k = by_name[sel["fluid"]]
        out.append(f"{sel['fluid']} at {sel['te']}/{sel['tc']} C, return gas {sel['trg']} C: "
                   f"{sel['source']}")
        out.append("   Btu/h  D in  L in   chart l/min  Velnor l/min  ratio")
        for btuh, d_in, l_in in sel["rows"]:
            chart = math.sqrt((d_in * 25.4) ** 5 * 750.0 / (l_in * 0.0254))
            _, flow, _, _ = sizing(c, k, btuh * BTUH_TO_W, sel["te"], sel["tc"], sel["trg"], [1.0])
            ratio = flow / chart
            inside = abs(ratio - 1.0) <= BAND
            ok = ok and inside
            out.append(f"  {btuh:6d}  {d_in:.3f}  {l_in:4d}  {chart:11.2f}  {flow:12.2f}  "
                       f"{ratio:5.3f}{'' if inside else '  OUTSIDE'}")
    out.append(f"every row within {BAND * 100:.0f} %" if ok else
               f"a row lies outside {BAND * 100:.0f} %")
    return out, ok


def main(argv):
    path = Path(__file__).resolve().parent / "velnor.txt"
    if "--check" in argv:
        # The shipped file, not a fresh build: what the program reads is what is checked.
        lines, ok = check_selections(path.read_text(encoding="ascii"))
        print("\n".join(lines))
        sys.exit(0 if ok else 1)
    text, model, fits = build()
    check_text(text)
    if "--stdout" in argv:
        sys.stdout.write(text)
        return
    path.write_bytes(text.encode("ascii"))
    if "--report" in argv:
        print(report(model, fits, text))


if __name__ == "__main__":
    main(sys.argv[1:])
