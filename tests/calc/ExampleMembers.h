#pragma once

#include <cstdint>

#include "model/FloorModel.h"

// The worked members the calculation is checked against, shared by the core and the window
// tests so both check one set of numbers.
namespace fd9::examples {

inline void AddBar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

// Loads of the applied-moment example: 5 kN/m dead, 3 kN/m live, factors 1.0 and 0.4, under
// a 60 minute rating or a 37 MJ/m2 fire with an opening factor of 0.04.
inline void Loads(FloorModel& model, float span) {
    model.FRRequired = 60;
    model.FireLoad = 37;
    model.OpeningFactor = 0.04f;
    model.ConcreteStrength = 25;
    model.PosSteelStrength = 300;
    model.NegSteelStrength = 300;
    model.DeadLoad = 5;
    model.LiveLoad = 3;
    model.DeadLoadFactor = 1;
    model.LiveLoadFactor = 0.4f;
    model.Span = span;
}

// 1000 mm wide, four 12 mm bars 30 mm above the soffit.
inline void SlabSection(FloorModel& model, float depth) {
    model.SectionWidth = 1000;
    model.SectionDepth = depth;
    for (float x : {100.f, 300.f, 500.f, 700.f}) {
        AddBar(model.PosSteel, model.PosSteelCount, x, depth - 30, 12);
    }
}

// 300 x 500 mm, three 20 mm bars at the bottom and three 16 mm bars at the top.
inline void BeamSection(FloorModel& model) {
    model.SectionWidth = 300;
    model.SectionDepth = 500;
    for (float x : {60.f, 150.f, 240.f}) {
        AddBar(model.PosSteel, model.PosSteelCount, x, 450, 20);
        AddBar(model.NegSteel, model.NegSteelCount, x, 50, 16);
    }
}

// 2400 x 480 mm with 350 mm ribs 125 to 175 mm wide: a 20 mm bar in each rib and four 20 mm
// bars in the flange.
inline void DoubleTeeSection(FloorModel& model) {
    model.OverallDepth = 480;
    model.OverallWidth = 2400;
    model.RibDepth = 350;
    model.RibWidthBot = 125;
    model.RibWidthTop = 175;
    AddBar(model.PosSteel, model.PosSteelCount, 600, 430, 20);
    AddBar(model.PosSteel, model.PosSteelCount, 1800, 430, 20);
    for (float x : {300.f, 900.f, 1500.f, 2100.f}) {
        AddBar(model.NegSteel, model.NegSteelCount, x, 50, 20);
    }
}

// A worked member of each floor type: the slab over 6 m, the beam over 12 m, the double-tee and
// a tee-beam (its one rib's bar at mid-width) over 10 m.
inline FloorModel Member(FloorType floor, SupportCondition support,
                         DesignFire fire = DesignFire::Standard) {
    FloorModel model;
    model.Selected = {.FloorType = floor, .DesignFire = fire, .SupportCondition = support};
    if (floor == FloorType::Slab) {
        SlabSection(model, 150);
        Loads(model, 6);
    } else if (floor == FloorType::Beam) {
        BeamSection(model);
        Loads(model, 12);
    } else {
        DoubleTeeSection(model);
        Loads(model, 10);
        if (floor == FloorType::TeeBeam) {
            model.PosSteelCount = 0;
            AddBar(model.PosSteel, model.PosSteelCount, 1200, 430, 20);
        }
    }
    return model;
}

}  // namespace fd9::examples
