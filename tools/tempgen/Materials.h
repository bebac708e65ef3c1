#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tempgen {

// Thermal properties of one concrete, tabulated once so that the solver's inner loop is a table
// look-up. Units: degC, W/mK, J/m3 (volumetric enthalpy above 0 degC).
class Material {
public:
    Material(std::string name, std::function<double(double)> conductivity,
             std::function<double(double)> volumetricHeat);

    const std::string& name() const { return name_; }
    double conductivity(double celsius) const;
    double enthalpy(double celsius) const;
    double temperature(double enthalpy) const;
    // The same, searching from the table index of a nearby earlier answer, updated in place.
    double temperature(double enthalpy, int& hint) const;
    // dH/dT, J/m3K.
    double volumetricHeat(double celsius) const;
    // Bounds over the tabulated range, for the explicit stability limit.
    double maxConductivity() const { return maxConductivity_; }
    double minVolumetricHeat() const { return minVolumetricHeat_; }

private:
    std::string name_;
    std::vector<double> conductivity_;
    std::vector<double> enthalpy_;
    double maxConductivity_ = 0;
    double minVolumetricHeat_ = 0;
};

// Normal-weight concrete after EN 1992-1-2, 3.3.
struct NormalWeightConcrete {
    // 0 takes the lower limit of the conductivity, 1 the upper limit, in between a linear blend.
    double conductivityBlend = 0.0;
    // Further factor on the conductivity (1 for siliceous and calcareous aggregates).
    double conductivityFactor = 1.0;
    double moisturePercent = 1.5;
    double density20 = 2300.0;  // kg/m3
};

// Light-weight concrete after EN 1994-1-2, 3.3.3: conductivity 1 - T/1600 (0.5 above 800 degC),
// specific heat 840 J/kgK, density 1600..2000 kg/m3 held constant. Its free water is added as a
// peak of the EN 1992-1-2 shape (flat 100..115 degC, falling to 200 degC) whose area is the
// latent heat of the water.
struct LightWeightConcrete {
    double density = 1600.0;  // kg/m3
    double specificHeat = 840.0;
    double moisturePercent = 0.0;  // by weight
    double conductivityFactor = 1.0;
};

// The extra specific heat (J/kgK) that evaporating moisturePercent of water adds at celsius.
double MoisturePeak(double celsius, double moisturePercent);

double ConductivityLowerLimit(double celsius);
double ConductivityUpperLimit(double celsius);
// Includes the moisture peak between 100 and 115 degC with its fall to 200 degC.
double SpecificHeatNormalWeight(double celsius, double moisturePercent);
double DensityNormalWeight(double celsius, double density20);

Material MakeMaterial(const std::string& name, const NormalWeightConcrete& c);
Material MakeMaterial(const std::string& name, const LightWeightConcrete& c);

// Constant properties, for comparison with closed-form solutions.
Material MakeConstantMaterial(double conductivity, double volumetricHeat);

// Normal-weight concrete as calibrated against furnace tests of siliceous-aggregate slabs. The
// defaults of NormalWeightConcrete are the assumptions of EN 1992-1-2 Annex A instead.
NormalWeightConcrete CalibratedSiliceous();

// The concretes the data files are made for, with their calibrated parameters.
enum class Concrete { NormalWeight, AlluvialQuartz, Dacite, Pumice };
const char* ConcreteName(Concrete c);
Material MakeConcrete(Concrete c);

}  // namespace tempgen
