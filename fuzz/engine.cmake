# The engine fuzzer: reading, verification, pencil marks and solving.
#   build-fuzz/fuzz/fuzz_engine -max_total_time=300
kalvero_add_fuzzer(fuzz_engine fuzz_engine.cpp)
